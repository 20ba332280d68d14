#pragma once

#include <QByteArray>
#include <QString>
#include <QWebEngineUrlSchemeHandler>

// The view's own URL scheme "plspage:". The page is served from the program's document, as UTF-8 of any size,
// under the path of its file, so relative picture names resolve against the page's folder; every other path
// is served from the local file system.
class PageScheme : public QWebEngineUrlSchemeHandler {
    Q_OBJECT

public:
    static constexpr const char* kName = "plspage";

    // Must run before the application object is made.
    static void Register();
    static QUrl UrlOf(const QString& path);

    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    void SetPage(const QString& path, const QByteArray& html);
    void requestStarted(QWebEngineUrlRequestJob* job) override;

private:
    QString pagePath_;
    QByteArray pageHtml_;
};
