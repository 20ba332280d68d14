#include "PageView.h"

#include "PageScheme.h"

#include <QFile>
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>

namespace {

QString ResourceText(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QWebEngineScript IsolatedScript(const QString& name, const QString& source) {
    QWebEngineScript script;
    script.setName(name);
    script.setSourceCode(source);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setInjectionPoint(QWebEngineScript::DocumentReady);
    script.setRunsOnSubFrames(false);
    return script;
}

QVariantList ToVariantList(const QList<int>& path) {
    QVariantList list;
    for (int index : path)
        list << index;
    return list;
}

} // namespace

// Only local content reaches the page: the program works offline, and a card must not call home.
class PageView::OfflineInterceptor : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        const QString scheme = info.requestUrl().scheme();
        if (scheme != PageScheme::kName && scheme != "file" && scheme != "data" && scheme != "qrc")
            info.block(true);
    }
};

// Goes only where the program sends it: a click on a link stays on the page.
class PageView::Page : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;
    QUrl expected;

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override {
        if (!isMainFrame || url != expected)
            return false;
        expected.clear();
        return true;
    }
};

PageView::PageView(QWidget* parent)
    : QWebEngineView(parent), profile_(new QWebEngineProfile(this)),
      interceptor_(new OfflineInterceptor(this)), scheme_(new PageScheme(this)),
      page_(new Page(profile_, this)), channel_(new QWebChannel(this)), bridge_(new PageBridge(this)) {
    profile_->setUrlRequestInterceptor(interceptor_);
    profile_->installUrlSchemeHandler(PageScheme::kName, scheme_);
    profile_->setHttpCacheType(QWebEngineProfile::NoCache);

    QWebEngineSettings* settings = page_->settings();
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);

    channel_->registerObject("bridge", bridge_);
    page_->setWebChannel(channel_, QWebEngineScript::ApplicationWorld);
    page_->scripts().insert(IsolatedScript("qwebchannel", ResourceText(":/qtwebchannel/qwebchannel.js")));
    page_->scripts().insert(IsolatedScript("pageview", ResourceText(":/pageview/pageview.js")));
    setPage(page_);
    setContextMenuPolicy(Qt::NoContextMenu);
}

PageView::~PageView() {
    // The page goes before the profile it lives in.
    setPage(nullptr);
    delete page_;
}

void PageView::ShowPage(const QString& path, const QByteArray& html) {
    scheme_->SetPage(path, html);
    page_->expected = PageScheme::UrlOf(path);
    page_->load(page_->expected);
}

void PageView::ApplyChanges(const QString& changesJson) {
    emit bridge_->changesReady(changesJson);
}

void PageView::Select(const ViewPoint& anchor, const ViewPoint& focus) {
    emit bridge_->selectRequested(ToVariantList(anchor.path), anchor.offset, ToVariantList(focus.path),
                                  focus.offset);
}

int PageView::RequestCaretRect(const ViewPoint& point) {
    const int id = nextRequest_++;
    emit bridge_->caretRectRequested(id, ToVariantList(point.path), point.offset);
    return id;
}
