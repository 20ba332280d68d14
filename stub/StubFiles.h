/* The file-system calls of the archive layer that differ between Windows and the native test build. */
#ifndef PLS_STUB_STUB_FILES_H
#define PLS_STUB_STUB_FILES_H

#include <time.h>

typedef enum StubPathKind { STUB_PATH_MISSING, STUB_PATH_FILE, STUB_PATH_FOLDER } StubPathKind;

/* DOS attribute bits that an entry may carry (the low byte of its external attributes). */
enum { DOS_READ_ONLY = 0x01, DOS_HIDDEN = 0x02, DOS_SYSTEM = 0x04, DOS_ARCHIVE = 0x20 };

StubPathKind StubFiles_Kind(const char* path);
/* Returns 0 on success. */
int StubFiles_MakeFolder(const char* path);
/* Lets an existing read-only file be replaced. */
void StubFiles_MakeWritable(const char* path);
int StubFiles_SetTime(const char* path, time_t modified);
/* Applies the bits of DOS_READ_ONLY .. DOS_ARCHIVE that the system knows. */
int StubFiles_SetDosAttributes(const char* path, unsigned attributes);

#endif
