#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What the editor carries to make Giftlets: the built package stub and the built-in icon images.

constexpr qsizetype kStubSize = 77824;
constexpr qsizetype kIconImageOffset = 74928;
constexpr qsizetype kIconImageSize = 744;

// The stub's file as built; its icon slot is filled in by the Giftlet writer.
QByteArray BuiltInStub();
// The names of the built-in icons, as the icon choice names them.
QStringList BuiltInIconNames();
// The 744-byte image of a built-in icon; empty for a name that is none.
QByteArray BuiltInIconImage(const QString& name);
