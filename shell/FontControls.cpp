#include "FontControls.h"

#include "ColorText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

QComboBox* DropDown(QWidget* parent, const char* name, const QStringList& items, const char* tooltip) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(items);
    box->setToolTip(tooltip);
    return box;
}

QStringList Numbers(int last) {
    QStringList numbers;
    for (int i = 1; i <= last; ++i)
        numbers << QString::number(i);
    return numbers;
}

} // namespace

FontControls::FontControls(QWidget* parent) : QFrame(parent) {
    setObjectName("FrFont");
    boxPage_ = DropDown(this, "BoxPage", Numbers(30), "Current Page control.");
    boxFace_ = DropDown(this, "BoxFace",
                        {"Arial, Helvetica", "Verdana, Arial, Helvetica", "Times New Roman", "Comic Sans MS",
                         "Courier New", "Tahoma"},
                        "Font face for selected text.");
    boxSize_ = DropDown(this, "BoxSize", Numbers(6), "Font size for selected text.");
    boxPage_->setFixedWidth(56);
    boxFace_->setFixedWidth(180);
    boxSize_->setFixedWidth(50);
    const char* colorTips[] = {"Text color for selected text.", "Background color for selected text."};
    for (int i = 0; i < 2; ++i) {
        boxColor_[i] = new QPushButton(this);
        boxColor_[i]->setObjectName(QString("BoxColor_%1").arg(i));
        boxColor_[i]->setToolTip(colorTips[i]);
        boxColor_[i]->setFixedSize(40, 22);
    }
    SetSwatch(0, 0x000000);
    SetSwatch(1, 0xFFFFFF);
    bBold_ = new QPushButton("B", this);
    bBold_->setObjectName("bBold");
    bBold_->setToolTip("Selected text - toggle bold.");
    bBold_->setFont(QFont("Verdana", 10, QFont::Bold));
    bBold_->setFixedSize(28, 22);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 0, 4, 2);
    grid->setVerticalSpacing(0);
    const std::pair<const char*, QWidget*> columns[] = {{"Cur. page", boxPage_},     {"Font", boxFace_},
                                                        {"Size", boxSize_},          {"Color", boxColor_[0]},
                                                        {"Back col.", boxColor_[1]}, {"", bBold_}};
    int column = 0;
    for (const auto& [caption, control] : columns) {
        auto* label = new QLabel(caption, this);
        label->setObjectName(QString("Label1_%1").arg(column));
        QFont small = label->font();
        small.setPointSizeF(small.pointSizeF() * 0.85);
        label->setFont(small);
        grid->addWidget(label, 0, column);
        grid->addWidget(control, 1, column, Qt::AlignLeft);
        ++column;
    }
}

void FontControls::SetSwatch(int index, qint32 color) {
    swatches_[index] = color;
    boxColor_[index]->setStyleSheet(
        QString("background-color: %1; border: 1px solid #808080;").arg(ColorToHex(color)));
}

void FontControls::SelectEntry(QComboBox* box, int index) {
    if (index >= 0 && index < box->count())
        box->setCurrentIndex(index);
}
