#pragma once

#include "DomResult.h"
#include "Node.h"
#include "Selection.h"

#include <string>
#include <string_view>
#include <vector>

namespace pls::page {

class CharacterData;
class DocumentObserver;
class Element;
class ElementRef;
class Text;
class TextRange;

// The page: the tree that an HTML5 parser builds from the page file, owned here and changed only through the
// mutation primitives below. Every other editing operation is composed of them, because they are the one
// place that keeps the live text ranges valid (as a DOM Range is fixed up) and tells the observer.
class Document final : public Node {
public:
    Document();
    ~Document() override;

    // Parses page text by the HTML5 rules. Never fails: bytes that are not UTF-8 are read as Windows-1252.
    static std::unique_ptr<Document> parse(std::string_view bytes);

    Element* documentElement() const;
    Element* head() const;
    Element* body() const;

    // All elements in document order; an element's position here is its source index. The list is rebuilt
    // after a change of the tree, so keep a copy, not the reference, across changes.
    const std::vector<Element*>& allElements() const;
    Element* elementAt(std::size_t sourceIndex) const;
    std::size_t sourceIndexOf(const Element& element) const;

    std::string title() const;
    void setTitle(std::string_view title);
    // The page background colour (the body's BGCOLOR).
    std::string backgroundColor() const;
    void setBackgroundColor(std::string_view colour);

    // The outer HTML of the root element: the page as saved.
    std::string source() const;
    // Every node of the document, doctype and comments outside the root included.
    std::string serialize() const;

    Selection& selection() { return selection_; }
    void setObserver(DocumentObserver* observer) { observer_ = observer; }

    // Mutation primitives.
    void insertNodes(Node& parent, std::size_t index, std::vector<std::unique_ptr<Node>> nodes);
    std::unique_ptr<Node> removeNode(Node& node);
    // Moves count siblings, starting with first, to index of newParent (counted before the move). Unlike a
    // removal and an insertion, ranges inside the moved nodes or at their edges go with them.
    void moveNodes(Node& first, std::size_t count, Node& newParent, std::size_t index);
    void replaceText(CharacterData& node, std::size_t offset, std::size_t count, std::string_view data);
    // Cuts the text at offset; the new node holds the rest and follows it. Ranges keep their characters.
    Text& splitText(Text& text, std::size_t offset);
    // Appends the following sibling's text (which must be a text node) and removes that sibling.
    void mergeWithNextText(Text& text);
    void setAttribute(Element& element, std::string_view name, std::string_view value);
    DomResult removeAttribute(Element& element, std::string_view name);

    std::unique_ptr<Node> cloneShallow() const override;

private:
    friend class TextRange;
    friend class ElementRef;
    void attachRange(TextRange& range);
    void detachRange(TextRange& range);
    void attachElementRef(ElementRef& reference);
    void detachElementRef(ElementRef& reference);
    template <typename Fix> void fixRanges(Fix fix);
    void structureChanged() { elementsValid_ = false; }
    Element* findElement(const Node& under, std::string_view tag) const;

    DocumentObserver* observer_ = nullptr;
    std::vector<TextRange*> ranges_;
    std::vector<ElementRef*> elementRefs_;
    Selection selection_;
    mutable std::vector<Element*> elements_;
    mutable bool elementsValid_ = false;
};

} // namespace pls::page
