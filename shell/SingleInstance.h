#pragma once

#include <QLockFile>
#include <QString>

// Holds the program folder's lock while the program runs, so a second start can tell that one is running. A
// lock left by a process that died is taken over.
class SingleInstance {
public:
    explicit SingleInstance(const QString& programFolder);

    // False when another running instance holds the lock.
    bool Acquire();

private:
    QLockFile lock_;
};
