#pragma once

#include "EditState.h"

#include <QString>
#include <memory>
#include <optional>

class ViewBinding;
struct PointerReport;

namespace pls::page {
class Element;
}

// What a click or a double-click in the page makes of the selection state: the current element, an empty text
// range at the clicked point, and whole elements selected by double-click, by the tag clicked.
class MouseSelection {
public:
    MouseSelection(EditState& state, ViewBinding& binding) : state_(state), binding_(binding) {}

    struct Click {
        QString tag;   // the tag the Click event reports
        int left = -1; // the new caret, or -1 and -1 when no caret applies
        int top = -1;
    };
    Click OnClick(const PointerReport& report);
    // The tag for the DoubleClick event; none when no event is raised.
    std::optional<QString> OnDoubleClick(const PointerReport& report);

private:
    Click ClickInText(const PointerReport& report, pls::page::Element* element, const QString& tag);
    void SelectWhole(pls::page::Element& element);
    pls::page::Element* SourceElement(const PointerReport& report) const;
    std::unique_ptr<pls::page::TextRange> RangeAtPoint(const PointerReport& report) const;

    EditState& state_;
    ViewBinding& binding_;
};
