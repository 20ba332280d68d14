#include "WorkWindow.h"

#include "WindowHelpers.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kArrowDown = QStringLiteral("\u25BC");
const QString kArrowUp = QStringLiteral("\u25B2");

QPushButton* Button(QWidget* parent, const QString& name, const QString& text, const QString& tooltip) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setToolTip(tooltip);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QPushButton* PictureButton(QWidget* parent, int index, const char* picture, const char* tooltip) {
    QPushButton* button = Button(parent, QString("bSel_%1").arg(index), {}, tooltip);
    button->setIcon(QIcon(QString(":/pictures/%1.png").arg(picture)));
    button->setIconSize(QSize(22, 22));
    button->setFixedSize(34, 30);
    return button;
}

} // namespace

WorkWindow::WorkWindow(QWidget* parent) : QFrame(parent) {
    setObjectName("FrWork");
    SetFrameStyle(this, "framed");
    setAutoFillBackground(true);

    labUp2_ = new QLabel("    Work Window", this);
    labUp2_->setObjectName("LabUp2");
    labUp_ = new QLabel(kArrowDown, this);
    labUp_->setObjectName("LabUp");
    labUp_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel* title : {labUp2_, labUp_}) {
        title->setFixedHeight(kTitleHeight);
        title->setCursor(Qt::PointingHandCursor);
        title->installEventFilter(this);
    }
    labUp2_->setStyleSheet("background: #2a4d8f; color: white; font-weight: bold;");
    labUp_->setStyleSheet("background: transparent; color: white; padding-right: 8px;");

    bProps_ = Button(this, "bProps", "Page Properties", "Set page properties: Background, title, etc.");

    auto* frSel = new QGroupBox(" Move selected element: ", this);
    frSel->setObjectName("FrSel");
    bSel_[8] = Button(frSel, "bSel_8", kArrowUp, "Move selected element up.");
    bSel_[9] = Button(frSel, "bSel_9", QStringLiteral("\u25B6"), "Move selected element to right.");
    bSel_[10] = Button(frSel, "bSel_10", kArrowDown, "Move selected element down.");
    bSel_[7] = Button(frSel, "bSel_7", QStringLiteral("\u25C0"), "Move selected element to left.");
    bSel_[6] = PictureButton(frSel, 6, "forward", "Move selected item forward.");
    bSel_[11] = PictureButton(frSel, 11, "back", "Move selected item back.");
    for (int i : {7, 8, 9, 10})
        bSel_[i]->setFixedSize(26, 22);
    auto* labSel = new QLabel("Sel. switch places:", frSel);
    labSel->setObjectName("LabSel");
    auto* selGrid = new QGridLayout(frSel);
    selGrid->setSpacing(1);
    selGrid->addWidget(bSel_[8], 0, 1);
    selGrid->addWidget(bSel_[7], 1, 0);
    selGrid->addWidget(bSel_[9], 1, 2);
    selGrid->addWidget(bSel_[10], 2, 1);
    selGrid->addWidget(labSel, 0, 3, 1, 2);
    selGrid->addWidget(bSel_[6], 1, 3, 2, 1);
    selGrid->addWidget(bSel_[11], 1, 4, 2, 1);

    auto* frame1 = new QGroupBox("Editing options:", this);
    frame1->setObjectName("Frame1");
    struct Editing {
        const char* picture;
        const char* tooltip;
        const char* caption;
    };
    const Editing editing[] = {
        {"cut", "Cut selected text or element.", "Cut"},
        {"copy", "Copy selected text or element", "Copy"},
        {"paste", "Paste cut element after currently selected element.", "Paste"},
        {"link", "Add link.", "make link"},
        {"addpicture", "Add picture to page.", "add picture"},
        {"table", "Add table (rectangular area) to page.", "table"},
    };
    auto* editGrid = new QGridLayout(frame1);
    editGrid->setHorizontalSpacing(8);
    editGrid->setVerticalSpacing(1);
    for (int i = 0; i < 6; ++i) {
        bSel_[i] = PictureButton(frame1, i, editing[i].picture, editing[i].tooltip);
        auto* caption = new QLabel(editing[i].caption, frame1);
        caption->setObjectName(QString("Label2_%1").arg(i));
        caption->setAlignment(Qt::AlignCenter);
        editGrid->addWidget(bSel_[i], 0, i, Qt::AlignHCenter);
        editGrid->addWidget(caption, 1, i);
    }

    labHover_ = new QLabel(this);
    labHover_->setObjectName("LabHover");

    auto* body = new QGridLayout;
    body->setContentsMargins(6, 4, 6, 4);
    body->addWidget(bProps_, 0, 0);
    body->addWidget(labHover_, 0, 1, Qt::AlignRight);
    body->addWidget(frSel, 1, 0, 1, 2);
    body->addWidget(frame1, 2, 0, 1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(0);
    auto* title = new QGridLayout;
    title->addWidget(labUp2_, 0, 0);
    title->addWidget(labUp_, 0, 0);
    layout->addLayout(title);
    layout->addLayout(body);
}

void WorkWindow::ShowRaised(bool raised) {
    labUp_->setText(raised ? kArrowDown : kArrowUp);
}

bool WorkWindow::ShowsRaised() const {
    return labUp_->text() == kArrowDown;
}

bool WorkWindow::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == labUp_ || watched == labUp2_) && event->type() == QEvent::MouseButtonRelease)
        emit titleClicked();
    return QFrame::eventFilter(watched, event);
}
