#include "ToolStrip.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>

namespace {

struct Picture {
    int index;
    const char* file;
    const char* tooltip;
};

// Left to right; a null file is a separator.
constexpr Picture kOrder[] = {
    {1, "newproject", "New project."},
    {2, "openproject", "Open saved project"},
    {-1, nullptr, nullptr},
    {0, "newpage", "New page."},
    {3, "savepage", "Save current page"},
    {4, "deletepage", "Delete current page"},
    {-1, nullptr, nullptr},
    {5, "pictureeditor", "Open Picture Editor"},
    {6, "iconeditor", "Open Icon Editor"},
    {7, "email", "Send this page as email"},
    {8, "giftlet", "Create giftlet file"},
};

} // namespace

ToolStrip::ToolStrip(QWidget* parent) : QFrame(parent) {
    setObjectName("FrTool");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(3);
    int separator = 0;
    for (const Picture& picture : kOrder) {
        if (!picture.file) {
            auto* line = new QFrame(this);
            line->setObjectName(QString("Line2_%1").arg(separator++));
            line->setFrameStyle(QFrame::VLine | QFrame::Sunken);
            layout->addWidget(line);
            continue;
        }
        auto* label = new QLabel(this);
        label->setObjectName(QString("ImTool_%1").arg(picture.index));
        label->setPixmap(QPixmap(QString(":/pictures/%1.png").arg(picture.file))
                             .scaled(20, 20, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        label->setToolTip(picture.tooltip);
        label->setFixedSize(26, 26);
        label->setAlignment(Qt::AlignCenter);
        label->setMouseTracking(true);
        label->installEventFilter(this);
        pictures_[picture.index] = label;
        layout->addWidget(label);
    }
    setMouseTracking(true);
}

void ToolStrip::SetBorder(int index, Border border) {
    QLabel* label = pictures_[index];
    switch (border) {
    case Border::None:
        label->setFrameStyle(QFrame::NoFrame);
        break;
    case Border::Flat:
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        break;
    case Border::Sunken:
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        break;
    }
}

void ToolStrip::ClearToolHover() {
    if (hoverTool_ >= 0)
        SetBorder(hoverTool_, Border::None);
    hoverTool_ = -1;
}

void ToolStrip::mouseMoveEvent(QMouseEvent* event) {
    ClearToolHover();
    QFrame::mouseMoveEvent(event);
}

bool ToolStrip::eventFilter(QObject* watched, QEvent* event) {
    const auto it = std::find(pictures_.begin(), pictures_.end(), watched);
    if (it == pictures_.end())
        return QFrame::eventFilter(watched, event);
    const int index = int(it - pictures_.begin());
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::MouseMove:
        if (hoverTool_ != index) {
            ClearToolHover();
            SetBorder(index, Border::Flat);
            hoverTool_ = index;
        }
        break;
    case QEvent::MouseButtonPress:
        SetBorder(index, Border::Sunken);
        break;
    case QEvent::MouseButtonRelease:
        SetBorder(index, Border::None);
        if (pictures_[index]->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
            emit pictureClicked(index);
        break;
    default:
        break;
    }
    return QFrame::eventFilter(watched, event);
}
