#pragma once

#include "PageFileSurface.h"

class PageView;

// Shows the current page file in the browser view, read-only, until the edit surface takes the view over.
class PageFileView : public PageSurface {
public:
    explicit PageFileView(PageView& view) : view_(view) {}

    void Navo(const QString& path, ApplyDefaults applyDefaults) override;
    QByteArray Source() const override { return file_.Source(); }

private:
    PageView& view_;
    PageFileSurface file_;
};
