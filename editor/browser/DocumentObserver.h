#pragma once

#include <cstddef>
#include <string>

namespace pls::page {

class CharacterData;
class Element;
class Node;

// Told of every change of the page by the mutation primitives of Document, one step at a time and right after
// the step; the view implements it to keep the displayed page equal to the model. Replaying the calls in
// order on a copy of the tree (reading inserted nodes and changed values from the model) keeps the copy
// equal. Indexes are child indexes in the parent.
class DocumentObserver {
public:
    virtual ~DocumentObserver() = default;
    // children [index, index + count) of parent are new
    virtual void nodesInserted(Node& parent, std::size_t index, std::size_t count) = 0;
    // the child that was at index is gone
    virtual void nodeRemoved(Node& parent, std::size_t index) = 0;
    virtual void textChanged(CharacterData& node) = 0;
    // the attribute was set or removed; read its current value from the element
    virtual void attributeChanged(Element& element, const std::string& name) = 0;
};

} // namespace pls::page
