#pragma once

#include "PageBridge.h"

#include <QWebEngineView>

class PageScheme;
class QWebChannel;
class QWebEngineProfile;

// The browser view that shows the current page. It never runs the page's own scripts, loads nothing but local
// files, follows no link and shows no menu of its own. Its script reports the user's input through `Bridge()`
// and applies the program's changes, so that what the user sees stays equal to the program's document.
class PageView : public QWebEngineView {
    Q_OBJECT

public:
    explicit PageView(QWidget* parent = nullptr);
    ~PageView() override;

    // Shows the page `html` as the page file `path`; `Bridge().pageReady` follows when the page is shown and
    // its script listens.
    void ShowPage(const QString& path, const QByteArray& html);

    // Applies changes (a JSON array, in the order they happened) to the displayed page.
    void ApplyChanges(const QString& changesJson);
    void Select(const ViewPoint& anchor, const ViewPoint& focus);
    // Asks for the caret rectangle at a point; the answer comes as `Bridge().caretRectAnswered` with the id.
    int RequestCaretRect(const ViewPoint& point);

    PageBridge& Bridge() { return *bridge_; }

private:
    class Page;
    class OfflineInterceptor;

    QWebEngineProfile* profile_;
    OfflineInterceptor* interceptor_;
    PageScheme* scheme_;
    Page* page_;
    QWebChannel* channel_;
    PageBridge* bridge_;
    int nextRequest_ = 1;
};
