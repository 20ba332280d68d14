#pragma once

#include <QString>
#include <array>

class QWidget;

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Information, Question, Warning, Critical };
enum class MessageAnswer { Ok, Cancel, Yes, No };

inline const QString kProgramTitle = QStringLiteral("Pageloft Studio");

// Every question the program asks the user goes through this interface: the program's windows use the Qt
// dialogs, tests a scripted stand-in that answers and records what was asked.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual MessageAnswer MessageBox(const QString& text, MessageButtons buttons, MessageIcon icon,
                                     const QString& title = kProgramTitle) = 0;
    // The text typed, or "" when cancelled.
    virtual QString InputBox(const QString& prompt, const QString& title, const QString& preset) = 0;
    // The chosen path, or "" when cancelled. `startFolder` is used only when it is an existing folder.
    virtual QString OpenFileDialog(QWidget* owner, const QString& title, const QString& filterName,
                                   const QString& filterPattern, const QString& startFolder = {}) = 0;
    virtual QString SaveFileDialog(QWidget* owner, const QString& title, const QString& filterName,
                                   const QString& filterPattern, const QString& defaultExtension) = 0;
    virtual QString SaveEmailDialog(QWidget* owner, const QString& title) = 0;
    // The chosen colour number, or -1 when cancelled. Custom colours the user stored stay in `customColors`
    // either way.
    virtual qint32 ChooseColorDialog(QWidget* owner, qint32 startColor,
                                     std::array<qint32, 16>& customColors) = 0;
    // The chosen folder, or "" when cancelled.
    virtual QString BrowseForFolder(const QString& title, QWidget* owner = nullptr) = 0;
};
