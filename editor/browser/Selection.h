#pragma once

#include "TextRange.h"

#include <optional>
#include <string>

namespace pls::page {

class Document;

// The document selection: what the user highlighted, or what a range's select() chose. The view sets it from
// the user's dragging and shows it.
class Selection {
public:
    explicit Selection(Document& document) : document_(document) {}

    // "Text" for a selection that holds at least one character, "None" otherwise.
    std::string type() const;
    // A copy of the selected range; a collapsed range at the start of the body when nothing is selected.
    TextRange createRange() const;
    void setRange(const TextRange& range);
    // Clears the selection.
    void empty();
    bool hasRange() const { return range_.has_value(); }

private:
    Document& document_;
    std::optional<TextRange> range_;
};

} // namespace pls::page
