#include "PageScheme.h"

#include <QBuffer>
#include <QFile>
#include <QMimeDatabase>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

void PageScheme::Register() {
    QWebEngineUrlScheme scheme(kName);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);
}

QUrl PageScheme::UrlOf(const QString& path) {
    QUrl url;
    url.setScheme(kName);
    url.setPath(path);
    return url;
}

void PageScheme::SetPage(const QString& path, const QByteArray& html) {
    pagePath_ = path;
    pageHtml_ = html;
}

void PageScheme::requestStarted(QWebEngineUrlRequestJob* job) {
    const QString path = job->requestUrl().path();
    QByteArray content;
    QByteArray type;
    if (path == pagePath_) {
        content = pageHtml_;
        type = "text/html;charset=utf-8";
    } else {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        content = file.readAll();
        type = QMimeDatabase().mimeTypeForFileNameAndData(path, content).name().toUtf8();
    }
    auto* buffer = new QBuffer(job);
    buffer->setData(content);
    job->reply(type, buffer);
}
