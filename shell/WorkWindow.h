#pragma once

#include <QFrame>
#include <array>

class QLabel;
class QPushButton;

// The floating Work Window `FrWork`: page properties, the moving buttons and the editing buttons. Its title
// strip raises and lowers it.
class WorkWindow : public QFrame {
    Q_OBJECT

public:
    static constexpr int kTitleHeight = 24; // what shows while it is lowered

    explicit WorkWindow(QWidget* parent);

    QLabel* LabUp() const { return labUp_; }
    QLabel* LabHover() const { return labHover_; }
    QPushButton* bProps() const { return bProps_; }
    QPushButton* bSel(int index) const { return bSel_[index]; }

    // The title arrow: pointing down while raised (a click lowers), up while lowered.
    void ShowRaised(bool raised);
    bool ShowsRaised() const;

signals:
    void titleClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* labUp_;
    QLabel* labUp2_;
    QLabel* labHover_;
    QPushButton* bProps_;
    std::array<QPushButton*, 12> bSel_{};
};
