#define _POSIX_C_SOURCE 200809L
#include "StubFiles.h"

#include <sys/stat.h>
#include <utime.h>

StubPathKind StubFiles_Kind(const char* path) {
    struct stat info;
    if (stat(path, &info) != 0)
        return STUB_PATH_MISSING;
    return S_ISDIR(info.st_mode) ? STUB_PATH_FOLDER : STUB_PATH_FILE;
}

int StubFiles_MakeFolder(const char* path) {
    return mkdir(path, 0777);
}

void StubFiles_MakeWritable(const char* path) {
    struct stat info;
    if (stat(path, &info) == 0)
        chmod(path, info.st_mode | S_IWUSR);
}

int StubFiles_SetTime(const char* path, time_t modified) {
    struct utimbuf times = {modified, modified};
    return utime(path, &times);
}

/* Hidden, system and archive have no meaning here; read-only takes away the write permissions. */
int StubFiles_SetDosAttributes(const char* path, unsigned attributes) {
    struct stat info;
    if (!(attributes & DOS_READ_ONLY))
        return 0;
    if (stat(path, &info) != 0)
        return -1;
    return chmod(path, info.st_mode & ~(mode_t)(S_IWUSR | S_IWGRP | S_IWOTH));
}
