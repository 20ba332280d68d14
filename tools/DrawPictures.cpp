// Draws the program's toolbar and Work Window pictures and writes them as PNG files into the folder given as
// the only argument. The pictures are committed; run this again after changing a drawing.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace {

constexpr int kSize = 32;

const QColor kInk(40, 40, 60);
const QColor kPaper(252, 252, 244);
const QColor kBlue(50, 100, 200);
const QColor kRed(200, 40, 40);
const QColor kGreen(40, 150, 60);
const QColor kGold(230, 170, 30);

QPen Ink(qreal width = 2) {
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Page(QPainter& p, QRectF r) {
    QPainterPath path;
    const qreal fold = r.width() * 0.3;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setPen(Ink());
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawPolyline(QPolygonF{
        {r.right() - fold, r.top()}, {r.right() - fold, r.top() + fold}, {r.right(), r.top() + fold}});
}

void Lines(QPainter& p, QRectF r, int count) {
    p.setPen(QPen(kBlue, 1.5));
    for (int i = 0; i < count; ++i) {
        const qreal y = r.top() + (i + 1) * r.height() / (count + 1);
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }
}

void Plus(QPainter& p, QPointF c, qreal s) {
    p.setPen(QPen(kGreen, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c - QPointF(s, 0), c + QPointF(s, 0));
    p.drawLine(c - QPointF(0, s), c + QPointF(0, s));
}

void Folder(QPainter& p, bool open) {
    p.setPen(Ink());
    p.setBrush(kGold.darker(115));
    p.drawPolygon(QPolygonF{{3, 8}, {12, 8}, {15, 11}, {29, 11}, {29, 27}, {3, 27}});
    p.setBrush(kGold);
    if (open)
        p.drawPolygon(QPolygonF{{7, 15}, {31, 15}, {27, 27}, {3, 27}});
    else
        p.drawRect(QRectF(3, 14, 26, 13));
}

void Picture(QPainter& p, QRectF r) {
    p.setPen(Ink());
    p.setBrush(QColor(170, 215, 250));
    p.drawRect(r);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawPolygon(QPolygonF{{r.left() + 1, r.bottom()},
                            {r.left() + r.width() * 0.4, r.top() + r.height() * 0.4},
                            {r.left() + r.width() * 0.7, r.bottom() - r.height() * 0.3},
                            {r.right() - 1, r.bottom()}});
    p.setBrush(kGold);
    p.drawEllipse(QPointF(r.right() - r.width() * 0.25, r.top() + r.height() * 0.28), 3, 3);
}

void Arrow(QPainter& p, bool forward) {
    p.setPen(Ink());
    p.setBrush(kBlue);
    p.drawRect(QRectF(3, 9, 9, 14));
    p.setBrush(kGold);
    p.drawRect(QRectF(20, 9, 9, 14));
    p.setPen(QPen(kRed, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal from = forward ? 8 : 24, to = forward ? 24 : 8, tip = forward ? -5 : 5;
    p.drawLine(QPointF(from, 5), QPointF(to, 5));
    p.drawPolyline(QPolygonF{{to + tip, 2}, {to, 5}, {to + tip, 8}});
    p.drawLine(QPointF(to, 27), QPointF(from, 27));
    p.drawPolyline(QPolygonF{{from - tip, 24}, {from, 27}, {from - tip, 30}});
}

struct Drawing {
    const char* name;
    std::function<void(QPainter&)> draw;
};

const Drawing kDrawings[] = {
    {"newpage",
     [](QPainter& p) {
         Page(p, {5, 2, 20, 27});
         Lines(p, {9, 12, 10, 12}, 3);
         Plus(p, {24, 24}, 5);
     }},
    {"newproject",
     [](QPainter& p) {
         Folder(p, false);
         Plus(p, {24, 8}, 5);
     }},
    {"openproject",
     [](QPainter& p) {
         Folder(p, true);
     }},
    {"savepage",
     [](QPainter& p) {
         p.setPen(Ink());
         p.setBrush(kBlue);
         p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
         p.setBrush(kPaper);
         p.drawRect(QRectF(9, 4, 14, 9));
         p.setBrush(QColor(200, 200, 210));
         p.drawRect(QRectF(8, 18, 16, 10));
     }},
    {"deletepage",
     [](QPainter& p) {
         Page(p, {5, 2, 20, 27});
         p.setPen(QPen(kRed, 4, Qt::SolidLine, Qt::RoundCap));
         p.drawLine(QPointF(16, 16), QPointF(28, 28));
         p.drawLine(QPointF(28, 16), QPointF(16, 28));
     }},
    {"pictureeditor",
     [](QPainter& p) {
         Picture(p, {3, 6, 26, 20});
     }},
    {"iconeditor",
     [](QPainter& p) {
         p.setPen(QPen(kInk.lighter(250), 1));
         for (int i = 0; i <= 4; ++i) {
             p.drawLine(QPointF(3 + i * 5, 3), QPointF(3 + i * 5, 23));
             p.drawLine(QPointF(3, 3 + i * 5), QPointF(23, 3 + i * 5));
         }
         p.fillRect(QRectF(8, 8, 5, 5), kRed);
         p.fillRect(QRectF(13, 13, 5, 5), kBlue);
         p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
         p.drawLine(QPointF(29, 15), QPointF(16, 28));
         p.setPen(QPen(kGold, 2, Qt::SolidLine, Qt::RoundCap));
         p.drawLine(QPointF(28, 16), QPointF(18, 26));
     }},
    {"email",
     [](QPainter& p) {
         p.setPen(Ink());
         p.setBrush(kPaper);
         p.drawRect(QRectF(3, 8, 26, 17));
         p.drawPolyline(QPolygonF{{3, 8}, {16, 18}, {29, 8}});
     }},
    {"giftlet",
     [](QPainter& p) {
         p.setPen(Ink());
         p.setBrush(kRed);
         p.drawRect(QRectF(5, 13, 22, 16));
         p.drawRect(QRectF(3, 9, 26, 5));
         p.fillRect(QRectF(14, 9, 4, 20), kGold);
         p.setBrush(Qt::NoBrush);
         p.setPen(QPen(kGold, 2.5));
         p.drawEllipse(QRectF(9, 3, 7, 6));
         p.drawEllipse(QRectF(16, 3, 7, 6));
     }},
    {"cut",
     [](QPainter& p) {
         p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
         p.drawLine(QPointF(10, 3), QPointF(20, 21));
         p.drawLine(QPointF(22, 3), QPointF(12, 21));
         p.setPen(QPen(kRed, 2.5));
         p.setBrush(Qt::NoBrush);
         p.drawEllipse(QPointF(9, 25), 4.5, 4.5);
         p.drawEllipse(QPointF(23, 25), 4.5, 4.5);
     }},
    {"copy",
     [](QPainter& p) {
         Page(p, {3, 2, 16, 21});
         Page(p, {13, 9, 16, 21});
     }},
    {"paste",
     [](QPainter& p) {
         p.setPen(Ink());
         p.setBrush(QColor(190, 140, 80));
         p.drawRoundedRect(QRectF(4, 5, 20, 25), 2, 2);
         p.setBrush(QColor(180, 180, 190));
         p.drawRect(QRectF(10, 2, 8, 5));
         Page(p, {13, 12, 16, 18});
     }},
    {"link",
     [](QPainter& p) {
         p.setPen(QPen(kBlue, 3));
         p.setBrush(Qt::NoBrush);
         p.translate(16, 16);
         p.rotate(-45);
         p.drawRoundedRect(QRectF(-14, -4, 15, 8), 4, 4);
         p.drawRoundedRect(QRectF(-1, -4, 15, 8), 4, 4);
     }},
    {"addpicture",
     [](QPainter& p) {
         Picture(p, {2, 3, 22, 17});
         Plus(p, {24, 24}, 5);
     }},
    {"table",
     [](QPainter& p) {
         p.setPen(Ink(1.5));
         p.setBrush(kPaper);
         p.drawRect(QRectF(3, 5, 26, 22));
         p.fillRect(QRectF(4, 6, 25, 6), QColor(170, 200, 240));
         for (qreal x : {12.0, 20.0})
             p.drawLine(QPointF(x, 5), QPointF(x, 27));
         for (qreal y : {12.0, 19.5})
             p.drawLine(QPointF(3, y), QPointF(29, y));
     }},
    {"forward",
     [](QPainter& p) {
         Arrow(p, true);
     }},
    {"back",
     [](QPainter& p) {
         Arrow(p, false);
     }},
};

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2)
        return 2;
    QDir().mkpath(argv[1]);
    for (const Drawing& drawing : kDrawings) {
        QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        drawing.draw(painter);
        painter.end();
        if (!image.save(QDir(argv[1]).filePath(QString(drawing.name) + ".png")))
            return 1;
    }
    return 0;
}
