#include "ScriptedDialogs.h"

template <typename T> T ScriptedDialogs::Next(const T& cancelled) {
    if (script_.empty() || !std::holds_alternative<T>(script_.front()))
        return cancelled;
    T reply = std::get<T>(script_.front());
    script_.pop_front();
    return reply;
}

QString ScriptedDialogs::NextText(const QString& kind, const QString& title, const QString& text) {
    asked_.push_back({kind, title, text});
    return Next<QString>({});
}

QStringList ScriptedDialogs::askedTexts() const {
    QStringList texts;
    for (const Asked& question : asked_)
        texts << question.text;
    return texts;
}

MessageAnswer ScriptedDialogs::MessageBox(const QString& text, MessageButtons buttons, MessageIcon,
                                          const QString& title) {
    asked_.push_back({"message", title, text});
    const MessageAnswer cancelled = buttons == MessageButtons::Ok      ? MessageAnswer::Ok
                                    : buttons == MessageButtons::YesNo ? MessageAnswer::No
                                                                       : MessageAnswer::Cancel;
    return Next<MessageAnswer>(cancelled);
}

QString ScriptedDialogs::InputBox(const QString& prompt, const QString& title, const QString&) {
    return NextText("input", title, prompt);
}

QString ScriptedDialogs::OpenFileDialog(QWidget*, const QString& title, const QString& filterName,
                                        const QString&, const QString&) {
    return NextText("open", title, filterName);
}

QString ScriptedDialogs::SaveFileDialog(QWidget*, const QString& title, const QString& filterName,
                                        const QString&, const QString&) {
    return NextText("save", title, filterName);
}

QString ScriptedDialogs::SaveEmailDialog(QWidget*, const QString& title) {
    return NextText("email", title, {});
}

qint32 ScriptedDialogs::ChooseColorDialog(QWidget*, qint32, std::array<qint32, 16>&) {
    asked_.push_back({"color", {}, {}});
    return Next<qint32>(-1);
}

QString ScriptedDialogs::BrowseForFolder(const QString& title, QWidget*) {
    return NextText("folder", title, {});
}
