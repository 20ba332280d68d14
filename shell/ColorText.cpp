#include "ColorText.h"

QString ColorToHex(qint32 color) {
    if (color < 0)
        return QStringLiteral("#000000");
    const QString bgr = QString::number(color, 16).toUpper().rightJustified(7, '0').right(6);
    return '#' + bgr.mid(4, 2) + bgr.mid(2, 2) + bgr.mid(0, 2);
}

qint32 HexToColor(const QString& text) {
    if (text.size() < 2)
        return 0;
    const QString digits = text.startsWith('#') ? text.mid(1) : text;
    const QString rgb = ("000000" + digits).right(6);
    bool ok = false;
    const qint32 color = (rgb.mid(4, 2) + rgb.mid(2, 2) + rgb.mid(0, 2)).toInt(&ok, 16);
    return ok ? color : 0;
}
