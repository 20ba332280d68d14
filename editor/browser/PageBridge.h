#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVariantMap>
#include <optional>

// A position in the displayed page: a node path (child indexes from the document down) and an offset, in
// UTF-16 code units inside a text node, in children elsewhere.
struct ViewPoint {
    QList<int> path;
    int offset = -1;
};

// A mouse event as the page's own script saw it. Positions are in pixels relative to the view.
struct PointerReport {
    QList<int> target; // path of the element under the pointer
    QString tag;       // its tag name as the page reports it
    QPoint position;
    int button = 0;                // 0 left, 1 middle, 2 right
    ViewPoint caret;               // the caret position at the pointer (clicks only)
    std::optional<QRect> caretBox; // that caret's rectangle, when the page could tell
};

// The one object that the page's script talks to over the web channel. Its slots are called by the script;
// its first group of signals go to the script, the second to the program.
class PageBridge : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    static std::optional<QRect> ToCaretBox(const QVariant& rect);
    static ViewPoint ToViewPoint(const QVariantMap& point);

public slots:
    void ready();
    void mouseDown(const QVariantMap& event);
    void mouseUp(const QVariantMap& event);
    void click(const QVariantMap& event);
    void doubleClick(const QVariantMap& event);
    void hover(const QString& tag);
    void keyUp(int keyCode, bool shift);
    void selectionChanged(const QVariantList& anchorPath, int anchorOffset, const QVariantList& focusPath,
                          int focusOffset);
    void caretRect(int requestId, const QVariantMap& rect);

signals:
    // To the page.
    void changesReady(const QString& changesJson);
    void selectRequested(const QVariantList& anchorPath, int anchorOffset, const QVariantList& focusPath,
                         int focusOffset);
    void caretRectRequested(int requestId, const QVariantList& path, int offset);

    // To the program.
    void pageReady();
    void mousePressed(const PointerReport& report);
    void mouseReleased(const PointerReport& report);
    void clicked(const PointerReport& report);
    void doubleClicked(const PointerReport& report);
    void hovered(const QString& tag);
    void keyReleased(int keyCode, bool shift);
    void selectionReported(const ViewPoint& anchor, const ViewPoint& focus);
    void caretRectAnswered(int requestId, const std::optional<QRect>& rect);
};
