#include "WindowHelpers.h"

#include <QFrame>

void SetFrameStyle(QWidget* window, const QString& style) {
    auto* frame = qobject_cast<QFrame*>(window);
    if (!frame)
        return;
    if (style == "raised") {
        frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
        frame->setLineWidth(1);
    } else if (style == "sunken") {
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        frame->setLineWidth(1);
    } else if (style == "framed") {
        frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
        frame->setLineWidth(2);
    } else {
        frame->setFrameStyle(QFrame::WinPanel | QFrame::Raised);
        frame->setLineWidth(3);
    }
}

void MakeTopmost(QWidget* window) {
    window->raise();
}

void SendToBottom(QWidget* window) {
    window->lower();
}
