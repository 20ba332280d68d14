#pragma once

#include "BoundaryPoint.h"
#include "DomResult.h"
#include "LayoutOracle.h"

#include <optional>
#include <string>
#include <string_view>

namespace pls::page {

class Document;
class Element;

enum class MoveUnit { Character, TextEdit };
// "character" or "textedit", in any case.
std::optional<MoveUnit> moveUnitFromName(std::string_view name);

enum class EndPoints { StartToStart, StartToEnd, EndToStart, EndToEnd };
// "StartToStart", "StartToEnd", "EndToStart", "EndToEnd", in any case.
std::optional<EndPoints> endPointsFromName(std::string_view name);

enum class CollapseTo { Start, End };

// A stretch of the page between two boundary points, kept valid while the page changes: every range is
// registered with its document, whose mutation primitives move its points the way a DOM Range's are moved.
// A range whose document is gone is detached and refuses every operation.
//
// A character, for moving and comparing, is one code point of text in the body, or one BR or IMG element.
// Two points with no character between them are equal for compareEndPoints and isEmpty.
class TextRange {
public:
    // Collapsed at the start of the body.
    explicit TextRange(Document& document);
    // The whole content of the body.
    static TextRange bodyRange(Document& document);
    TextRange(const TextRange& other);
    TextRange& operator=(const TextRange& other);
    ~TextRange();

    bool isDetached() const { return document_ == nullptr; }
    Document* document() const { return document_; }
    const BoundaryPoint& start() const { return start_; }
    const BoundaryPoint& end() const { return end_; }
    // The points must lie in the document, start not after end.
    DomResult setPoints(BoundaryPoint start, BoundaryPoint end);
    void collapse(CollapseTo where);

    DomResult moveToElementText(Element& element);
    TextRange duplicate() const { return *this; }
    // -1, 0 or 1: this range's point against the other's, as named by how.
    int compareEndPoints(EndPoints how, const TextRange& other) const;
    bool isEmpty() const;

    // Collapses to the start, then moves by count units; returns the number of units moved.
    int move(MoveUnit unit, int count);
    // Moves only the end; an end that passes the start takes the start along.
    int moveEnd(MoveUnit unit, int count);

    std::string text() const;
    // Replaces the content by the text and collapses after it.
    DomResult setText(std::string_view text);
    // The content as HTML; elements whose whole content is in the range are included with their tags.
    std::string htmlText() const;
    // Replaces the content by the HTML (parsed in the context of the element at the start) and collapses
    // after what was inserted. Into an empty range, inserts at the start.
    DomResult pasteHtml(std::string_view html);
    // Makes this range the document selection.
    DomResult select();

    DomResult moveToPoint(const LayoutOracle& layout, int x, int y);
    // The caret position of the start, in pixels.
    std::optional<LayoutOffset> offset(const LayoutOracle& layout) const;

private:
    friend class Document;
    enum class Content { Html, PlainText };
    DomResult replaceContent(std::string_view content, Content kind);
    const Node* limit() const;
    void attach();
    void detach();

    Document* document_ = nullptr;
    BoundaryPoint start_;
    BoundaryPoint end_;
};

} // namespace pls::page
