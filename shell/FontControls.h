#pragma once

#include <QFrame>
#include <array>

class QComboBox;
class QPushButton;

// The font controls `FrFont` at the top right: page box, face, size, text and background colour swatches,
// bold.
class FontControls : public QFrame {
    Q_OBJECT

public:
    explicit FontControls(QWidget* parent);

    QComboBox* BoxPage() const { return boxPage_; }
    QComboBox* BoxFace() const { return boxFace_; }
    QComboBox* BoxSize() const { return boxSize_; }
    QPushButton* BoxColor(int index) const { return boxColor_[index]; }
    QPushButton* bBold() const { return bBold_; }

    // Colours a swatch with a colour number (0x00BBGGRR).
    void SetSwatch(int index, qint32 color);
    qint32 Swatch(int index) const { return swatches_[index]; }

    // Selects an entry when it exists; any other index leaves the box as it is.
    static void SelectEntry(QComboBox* box, int index);

private:
    QComboBox* boxPage_;
    QComboBox* boxFace_;
    QComboBox* boxSize_;
    std::array<QPushButton*, 2> boxColor_{};
    std::array<qint32, 2> swatches_{};
    QPushButton* bBold_;
};
