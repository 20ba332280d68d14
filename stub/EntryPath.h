/* Maps an entry name to a local path below the target folder, refusing names that would leave it. */
#ifndef PLS_STUB_ENTRY_PATH_H
#define PLS_STUB_ENTRY_PATH_H

#include <stddef.h>

enum { ENTRY_PATH_MAX = 1024 };

typedef enum EntryPathKind {
    ENTRY_PATH_FILE,
    ENTRY_PATH_FOLDER,  /* the name ends in "/": only its folder is made */
    ENTRY_PATH_UNSAFE,  /* absolute, with a drive letter, climbing out with "..", or empty */
    ENTRY_PATH_TOO_LONG /* does not fit into ENTRY_PATH_MAX together with the target */
} EntryPathKind;

/* "\" counts as "/", as Windows would read it. target NULL means the current folder. On success path holds
 * the target, "/" and the name, without a trailing "/", and *nameStart the index of the name in it. */
EntryPathKind EntryPath_Build(const char* target, const char* name, char* path, size_t* nameStart);

#endif
