#pragma once

#include <QFrame>
#include <array>

class QLabel;

// The toolbar `FrTool`: the pictures `ImTool`(0) to (8) with their hover effect. A picture has no border at
// rest, a thin flat one while the pointer is over it, and a sunken one while a button is held on it.
class ToolStrip : public QFrame {
    Q_OBJECT

public:
    static constexpr int kPictures = 9;

    explicit ToolStrip(QWidget* parent);

    QLabel* ImTool(int index) const { return pictures_[index]; }
    int HoverTool() const { return hoverTool_; }
    void ClearToolHover();

signals:
    void pictureClicked(int index);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Border { None, Flat, Sunken };
    void SetBorder(int index, Border border);

    std::array<QLabel*, kPictures> pictures_{};
    int hoverTool_ = -1;
};
