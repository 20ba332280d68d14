#include "QtDialogs.h"

#include "ModFileOps.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

namespace {

QMessageBox::StandardButtons ToQt(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon ToQt(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

MessageAnswer FromQt(int button) {
    switch (button) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Cancel;
    }
}

// A colour number is 0x00BBGGRR.
QColor ToQColor(qint32 color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

qint32 FromQColor(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

QString NameFilter(const QString& name, const QString& pattern) {
    return name + " (" + pattern + ")";
}

QWidget* ActiveOwner(QWidget* owner) {
    return owner ? owner : QApplication::activeWindow();
}

} // namespace

MessageAnswer QtDialogs::MessageBox(const QString& text, MessageButtons buttons, MessageIcon icon,
                                    const QString& title) {
    QMessageBox box(ToQt(icon), title, text, ToQt(buttons), ActiveOwner(nullptr));
    return FromQt(box.exec());
}

QString QtDialogs::InputBox(const QString& prompt, const QString& title, const QString& preset) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(ActiveOwner(nullptr), title, prompt, QLineEdit::Normal, preset, &ok);
    return ok ? text : QString();
}

QString QtDialogs::OpenFileDialog(QWidget* owner, const QString& title, const QString& filterName,
                                  const QString& filterPattern, const QString& startFolder) {
    const QString folder = FolderExists(startFolder) ? startFolder : QString();
    return QFileDialog::getOpenFileName(ActiveOwner(owner), title, folder,
                                        NameFilter(filterName, filterPattern));
}

QString QtDialogs::SaveFileDialog(QWidget* owner, const QString& title, const QString& filterName,
                                  const QString& filterPattern, const QString& defaultExtension) {
    QFileDialog dialog(ActiveOwner(owner), title, {}, NameFilter(filterName, filterPattern));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultExtension);
    // The callers ask about an existing file themselves.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString QtDialogs::SaveEmailDialog(QWidget* owner, const QString& title) {
    QFileDialog dialog(ActiveOwner(owner), title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({NameFilter("Email files(*.eml)", "*.eml"),
                           NameFilter("Text files(*.txt)", "*.txt"), NameFilter("All files(*.*)", "*")});
    dialog.setDefaultSuffix("eml");
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

qint32 QtDialogs::ChooseColorDialog(QWidget* owner, qint32 startColor, std::array<qint32, 16>& customColors) {
    for (int i = 0; i < 16; ++i)
        QColorDialog::setCustomColor(i, ToQColor(customColors[i]));
    QColorDialog dialog(ToQColor(startColor), ActiveOwner(owner));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    // The add button reads "Save This Color", and the dialog opens centred on the screen.
    QTimer::singleShot(0, &dialog, [&dialog] {
        for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
            if (button->text().contains("Custom Colors", Qt::CaseInsensitive))
                button->setText("Save This Color");
        }
        if (const QScreen* screen = dialog.screen())
            dialog.move(screen->geometry().center() - dialog.rect().center());
    });
    const bool chosen = dialog.exec() == QDialog::Accepted;
    for (int i = 0; i < 16; ++i)
        customColors[i] = FromQColor(QColorDialog::customColor(i));
    return chosen ? FromQColor(dialog.selectedColor()) : -1;
}

QString QtDialogs::BrowseForFolder(const QString& title, QWidget* owner) {
    return QFileDialog::getExistingDirectory(ActiveOwner(owner), title);
}
