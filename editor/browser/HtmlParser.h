#pragma once

#include <memory>
#include <string_view>
#include <vector>

namespace pls::page {

class Document;
class Element;
class Node;

// HTML5 parsing with gumbo (WHATWG HTML, "Parsing HTML documents"), so the tree is the one a browser builds:
// implied HEAD, BODY and TBODY, misnested tags repaired, whitespace text kept. Input that is not valid UTF-8
// is read as Windows-1252, so any bytes give a tree.
std::unique_ptr<Document> parseDocument(std::string_view bytes);

// The nodes of an HTML fragment parsed as the content of an element of this kind ("parsing HTML fragments"),
// owned by the document but not yet in its tree.
std::vector<std::unique_ptr<Node>> parseFragment(Document& document, std::string_view html,
                                                 const Element& context);

} // namespace pls::page
