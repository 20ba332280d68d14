#include "PageFileView.h"

#include "PageView.h"

void PageFileView::Navo(const QString& path, ApplyDefaults applyDefaults) {
    file_.Navo(path, applyDefaults);
    view_.ShowPage(path, file_.Source());
}
