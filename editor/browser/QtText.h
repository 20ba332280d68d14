#pragma once

#include <QString>
#include <string>

// The document model keeps text as UTF-8 in std::string; the windows speak QString.
inline QString ToQString(const std::string& text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

inline std::string ToStdString(const QString& text) {
    return text.toStdString();
}
