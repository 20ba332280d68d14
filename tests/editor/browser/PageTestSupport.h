#pragma once

#include "Document.h"
#include "Element.h"
#include "TextRange.h"

#include <memory>
#include <string>
#include <string_view>

namespace pls::page::test {

// A page whose body holds the HTML; "[" and "]" (or one "|" for a caret) in it mark a range, which
// markedRange finds and removes.
std::unique_ptr<Document> page(std::string_view bodyHtml);
std::string bodyHtml(const Document& document);
TextRange markedRange(Document& document);
// The first element of the page with the tag (any case); fails the test when there is none.
Element& firstElement(Document& document, std::string_view tag);
// A readable picture of a tree, one node a line, to compare trees and not only their text.
std::string treeShape(const Node& root);
// The body's HTML with the range shown by the same marks.
std::string showRange(const TextRange& range);

} // namespace pls::page::test
