#include "SingleInstance.h"

SingleInstance::SingleInstance(const QString& programFolder) : lock_(programFolder + "/kvpls.lock") {
    lock_.setStaleLockTime(0);
}

bool SingleInstance::Acquire() {
    return lock_.tryLock(0);
}
