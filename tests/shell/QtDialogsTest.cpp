#include "QtDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs `check` on the modal dialog once it is up, then lets `close` end it. Gives up after five seconds.
template <typename Dialog> void WhenShown(std::function<void(Dialog*)> check) {
    auto* timer = new QTimer;
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(timer, &QTimer::timeout, [timer, check, started] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            timer->deleteLater();
            check(dialog);
        } else if (started->elapsed() > 5000) {
            timer->deleteLater();
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        }
    });
    timer->start(20);
}

TEST(QtDialogs, ColorDialogOffersSaveThisColorAndKeepsCustomColours) {
    std::array<qint32, 16> custom{};
    custom[0] = 0x0000FF;
    bool checked = false;
    WhenShown<QColorDialog>([&](QColorDialog* dialog) {
        QStringList buttons;
        for (auto* button : dialog->findChildren<QPushButton*>())
            buttons << button->text();
        EXPECT_TRUE(buttons.contains("Save This Color")) << buttons.join(", ").toStdString();
        EXPECT_EQ(QColorDialog::customColor(0), QColor(255, 0, 0)) << "custom colours offered";
        QColorDialog::setCustomColor(1, QColor(0, 128, 0));
        checked = true;
        dialog->accept();
    });
    const qint32 chosen = QtDialogs().ChooseColorDialog(nullptr, 0xFF0000, custom);
    EXPECT_TRUE(checked);
    EXPECT_EQ(chosen, 0xFF0000) << "blue as a colour number";
    EXPECT_EQ(custom[0], 0x0000FF);
    EXPECT_EQ(custom[1], 0x008000) << "a colour the user stored comes back";
}

TEST(QtDialogs, CancelledColorDialogGivesMinusOne) {
    std::array<qint32, 16> custom{};
    WhenShown<QColorDialog>([](QColorDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(QtDialogs().ChooseColorDialog(nullptr, 0x123456, custom), -1);
}

TEST(QtDialogs, MessageBoxHasProgramTitleAndNamedButtons) {
    WhenShown<QMessageBox>([](QMessageBox* box) {
        EXPECT_EQ(box->windowTitle(), "Pageloft Studio");
        EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box->button(QMessageBox::No)->click();
    });
    QtDialogs qtDialogs;
    Dialogs& dialogs = qtDialogs;
    EXPECT_EQ(dialogs.MessageBox("Save?", MessageButtons::YesNoCancel, MessageIcon::Question),
              MessageAnswer::No);
}

} // namespace
