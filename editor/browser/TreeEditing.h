#pragma once

#include "BoundaryPoint.h"
#include "DomResult.h"
#include "Element.h"

#include <memory>
#include <string_view>
#include <vector>

namespace pls::page {

// Editing steps built on the mutation primitives that keep the tree in the shape a parser gives it: no empty
// text nodes and no two text nodes side by side, so the serialization parses back into the same tree.

// Removes empty text nodes and merges neighbouring text at the joint before child index of parent.
void normalizeJoint(Node& parent, std::size_t index);

// TABLE and the parts of it that hold rows or columns, not cells: text in them means nothing to the parser.
bool isTablePart(const Node& node);

// Whether HTML may be inserted into this element: not into the root or HEAD, where the parser would not keep
// body content.
bool acceptsMarkup(const Element* context);

// Inserts the nodes at the point (splitting a text node there) and returns the point right after them. In a
// table part, nodes it cannot hold go in front of the table, as the parser would put them; in a link, links
// give up their tags; in a P, blocks go beside it.
BoundaryPoint insertNodesAt(const BoundaryPoint& point, std::vector<std::unique_ptr<Node>> nodes);

// The HTML parsed as content of the context element. Plain text for an ordinary text container skips the
// parser: typing pastes one character at a time.
std::vector<std::unique_ptr<Node>> parseHtmlFor(const Element& context, std::string_view html);

// The element that gives HTML inserted at this point its parsing context.
const Element* contextElementAt(const BoundaryPoint& point);

DomResult insertAdjacentHtml(Element& element, AdjacentPosition where, std::string_view html);
DomResult replaceElementByHtml(Element& element, std::string_view html);
DomResult replaceContentByHtml(Element& element, std::string_view html);

// Moves the nodes [first, last] of one parent into a new element that takes their place; returns it.
Element& wrapNodes(Node& first, Node& last, std::unique_ptr<Element> wrapper);
// Splits element at a point between nodes inside it: what follows the point moves into a copy of the element
// (and of each element between) placed right after it.
void splitElementAt(Element& element, const BoundaryPoint& point);
// Whether a step joins the text nodes that it brings side by side. A sequence of steps that must keep its
// text nodes alive joins nothing and calls normalizeSubtree at the end.
enum class JoinText { Yes, No };

// Removes an element that has no children.
void removeIfEmpty(Node& node, JoinText join = JoinText::Yes);
// Replaces the element by its children.
void unwrapElement(Element& element, JoinText join = JoinText::Yes);
// Joins neighbouring text and drops empty text everywhere inside the node.
void normalizeSubtree(Node& root);

} // namespace pls::page
