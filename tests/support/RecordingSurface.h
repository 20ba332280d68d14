#pragma once

#include "ModFileOps.h"
#include "PageSurface.h"

// Stands in for the edit surface: shows a page by reading its file, and lets a test edit the page it holds.
class RecordingSurface : public PageSurface {
public:
    void Navo(const QString& path, ApplyDefaults applyDefaults) override {
        location = path;
        defaultsApplied = applyDefaults == ApplyDefaults::Yes;
        page = ReadWholeFile(path).text;
    }
    QByteArray Source() const override { return page; }

    QString location;
    bool defaultsApplied = false;
    QByteArray page; // what the user sees, and edits
};
