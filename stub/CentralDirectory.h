/* Finds the central directory behind a prefix of unknown length: the end record, the prefix shift and its
 * repairs. */
#ifndef PLS_STUB_CENTRAL_DIRECTORY_H
#define PLS_STUB_CENTRAL_DIRECTORY_H

#include "ExtractContext.h"

typedef struct CentralDirectory {
    long long start; /* file offset of the first central header */
    unsigned entryCount;
} CentralDirectory;

/* EXTRACT_OK to go on with the entries; any other value ends the extraction with it. Sets context->shift. */
ExtractResult CentralDirectory_Locate(ExtractContext* context, CentralDirectory* directory);

#endif
