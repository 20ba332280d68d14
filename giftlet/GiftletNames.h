#pragma once

#include <QString>

// The names and texts of the Giftlet window that do not depend on its widgets.

// The file name as the user typed it made into a Giftlet name: empty becomes "Greeting.exe", and ".exe" is
// appended unless the name ends in it (in any case).
QString GiftletFileName(const QString& typed);
// The folder as typed, without one trailing "/".
QString GiftletFolderPath(const QString& typed);
// The question after a build: the target, the size in whole kilobytes, and whether to test it.
QString GiftletCreatedQuestion(const QString& target, qint64 size);
