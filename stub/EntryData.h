/* Copies or inflates (RFC 1951) one entry's data into its file and checks its CRC-32 and size. */
#ifndef PLS_STUB_ENTRY_DATA_H
#define PLS_STUB_ENTRY_DATA_H

#include "ArchiveInput.h"
#include "PkwareCipher.h"

#include <stdio.h>

enum { ENTRY_OUTPUT_BUFFER_SIZE = 65537 };

typedef enum EntryDataResult {
    ENTRY_DATA_OK,
    ENTRY_DATA_BAD_CRC,
    ENTRY_DATA_INVALID, /* the data is damaged, or would have grown past the stated size */
    ENTRY_DATA_NO_MEMORY,
    ENTRY_DATA_WRITE_FAILED,
    ENTRY_DATA_EARLY_END
} EntryDataResult;

typedef struct EntryDataJob {
    ArchiveInput* input;        /* positioned at the data, after any encryption header */
    unsigned long inputLength;  /* bytes of data to read */
    unsigned long expectedSize; /* never more than this is written */
    unsigned long expectedCrc;
    unsigned method;      /* ZIP_METHOD_STORED or ZIP_METHOD_DEFLATED */
    PkwareCipher* cipher; /* NULL when the entry is not encrypted */
    unsigned char* chunk; /* ARCHIVE_INPUT_BUFFER_SIZE bytes */
    unsigned char* out;   /* ENTRY_OUTPUT_BUFFER_SIZE bytes */
    FILE* file;
} EntryDataJob;

typedef struct EntryDataOutcome {
    EntryDataResult result;
    unsigned long crc; /* of the bytes written */
} EntryDataOutcome;

EntryDataOutcome EntryData_Write(const EntryDataJob* job);

#endif
