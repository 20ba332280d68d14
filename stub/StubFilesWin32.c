#include "StubFiles.h"

#include <windows.h>

StubPathKind StubFiles_Kind(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return STUB_PATH_MISSING;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? STUB_PATH_FOLDER : STUB_PATH_FILE;
}

int StubFiles_MakeFolder(const char* path) {
    return CreateDirectoryA(path, NULL) ? 0 : -1;
}

void StubFiles_MakeWritable(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES)
        SetFileAttributesA(path, attributes & ~(DWORD)(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                                       FILE_ATTRIBUTE_SYSTEM));
}

int StubFiles_SetTime(const char* path, time_t modified) {
    HANDLE file = CreateFileA(path, FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return -1;
    /* FILETIME counts 100 ns steps from 1601; time_t seconds from 1970. */
    ULONGLONG ticks = ((ULONGLONG)((long long)modified + 11644473600LL)) * 10000000ULL;
    FILETIME stamp = {(DWORD)ticks, (DWORD)(ticks >> 32)};
    BOOL done = SetFileTime(file, NULL, &stamp, &stamp);
    CloseHandle(file);
    return done ? 0 : -1;
}

int StubFiles_SetDosAttributes(const char* path, unsigned attributes) {
    DWORD wanted = attributes & (DOS_READ_ONLY | DOS_HIDDEN | DOS_SYSTEM | DOS_ARCHIVE);
    return SetFileAttributesA(path, wanted ? wanted : FILE_ATTRIBUTE_NORMAL) ? 0 : -1;
}
