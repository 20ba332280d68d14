#include "PageFileSurface.h"

#include "ModFileOps.h"

void PageFileSurface::Navo(const QString& path, ApplyDefaults) {
    source_ = ReadWholeFile(path).text;
}

QByteArray PageFileSurface::Source() const {
    return source_;
}
