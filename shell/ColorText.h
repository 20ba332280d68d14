#pragma once

#include <QString>

// A colour number is the old platform's 32-bit value 0x00BBGGRR (red in the low byte; negative values are
// system colours). Its text form, used in pages and settings, is "#RRGGBB".

// "#RRGGBB" in upper case; "#000000" for a system colour.
QString ColorToHex(qint32 color);
// The colour number of "#RRGGBB" or "RRGGBB"; short texts are padded with zeros on the left, long ones keep
// their last six characters. 0 for a text shorter than 2 characters or that is no hexadecimal number.
qint32 HexToColor(const QString& text);
