#pragma once

#include "PageSurface.h"

// Holds the current page as the text of its file, for as long as the program has no browser view to show it
// in.
class PageFileSurface : public PageSurface {
public:
    void Navo(const QString& path, ApplyDefaults applyDefaults) override;
    QByteArray Source() const override;

private:
    QByteArray source_;
};
