#pragma once

#include <QByteArray>
#include <QString>

enum class ApplyDefaults { No, Yes };

// What the project workspace needs of the surface that shows the current page.
class PageSurface {
public:
    virtual ~PageSurface() = default;

    // Shows the page file `path`. With ApplyDefaults::Yes the surface puts its stored body defaults on the
    // page; otherwise it takes them from the page.
    virtual void Navo(const QString& path, ApplyDefaults applyDefaults) = 0;
    // The whole page as HTML; empty when no page is loaded.
    virtual QByteArray Source() const = 0;
};
