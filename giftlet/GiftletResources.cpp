#include "GiftletResources.h"

#include "IconFiles.h"

#include <QFile>

namespace {

QByteArray ResourceBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

QByteArray BuiltInStub() {
    return ResourceBytes(":/giftlet/packstub.exe");
}

QStringList BuiltInIconNames() {
    return {"CARD", "FOLDER", "HAND", "HEART", "LTNING", "MAIL", "ROCKET", "ROSE", "TRAY", "WP"};
}

QByteArray BuiltInIconImage(const QString& name) {
    if (!BuiltInIconNames().contains(name))
        return {};
    return IconImageOf(ResourceBytes(":/giftlet/icons/" + name + ".ico"));
}
