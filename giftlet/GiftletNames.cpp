#include "GiftletNames.h"

QString GiftletFileName(const QString& typed) {
    const QString name = typed.isEmpty() ? QString("Greeting.exe") : typed;
    return name.right(4).toUpper() == ".EXE" ? name : name + ".exe";
}

QString GiftletFolderPath(const QString& typed) {
    return typed.endsWith('/') ? typed.chopped(1) : typed;
}

QString GiftletCreatedQuestion(const QString& target, qint64 size) {
    return "Giftlet file created:\n" + target + "\nSize of file is: " + QString::number(size / 1024) +
           " KB.\nDo you want to test this package?";
}
