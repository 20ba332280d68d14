#pragma once

#include "ElementRef.h"
#include "TextRange.h"

#include <QString>
#include <memory>
#include <string>

namespace pls::page {
class Document;
}

// The edit surface's selection state and clipboards: what the editing operations act on. Element references
// empty themselves when their element leaves the page; the text range is kept valid by the document.
struct EditState {
    pls::page::Document* document = nullptr; // the loaded page, or null
    pls::page::ElementRef currentElement;
    pls::page::ElementRef selectedElement;
    std::unique_ptr<pls::page::TextRange> currentTextRange;
    QString currentElementTag;
    std::string textClip;
    std::string tagClip;

    void ClearSelectionState() {
        currentElement.reset();
        selectedElement.reset();
        currentTextRange.reset();
        currentElementTag.clear();
    }
};
