#pragma once

#include "Dialogs.h"

// The program's questions as Qt's standard dialogs.
class QtDialogs : public Dialogs {
public:
    MessageAnswer MessageBox(const QString& text, MessageButtons buttons, MessageIcon icon,
                             const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title, const QString& preset) override;
    QString OpenFileDialog(QWidget* owner, const QString& title, const QString& filterName,
                           const QString& filterPattern, const QString& startFolder) override;
    QString SaveFileDialog(QWidget* owner, const QString& title, const QString& filterName,
                           const QString& filterPattern, const QString& defaultExtension) override;
    QString SaveEmailDialog(QWidget* owner, const QString& title) override;
    qint32 ChooseColorDialog(QWidget* owner, qint32 startColor,
                             std::array<qint32, 16>& customColors) override;
    QString BrowseForFolder(const QString& title, QWidget* owner) override;
};
