#pragma once

#include "Dialogs.h"

#include <QStringList>
#include <deque>
#include <variant>

// Answers the program's questions from a script and records what was asked. A question with no answer left in
// the script gets the cancel result, so an unexpected question never blocks a test.
class ScriptedDialogs : public Dialogs {
public:
    struct Asked {
        QString kind; // "message", "input", "open", "save", "email", "color", "folder"
        QString title;
        QString text; // message or prompt text; for file dialogs the filter
    };

    void Answer(MessageAnswer answer) { script_.emplace_back(answer); }
    void Answer(const QString& textOrPath) { script_.emplace_back(textOrPath); }
    void Answer(qint32 color) { script_.emplace_back(color); }

    const std::vector<Asked>& asked() const { return asked_; }
    QStringList askedTexts() const;
    bool scriptUsedUp() const { return script_.empty(); }

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

private:
    using Reply = std::variant<MessageAnswer, QString, qint32>;
    template <typename T> T Next(const T& cancelled);
    QString NextText(const QString& kind, const QString& title, const QString& text);

    std::deque<Reply> script_;
    std::vector<Asked> asked_;
};
