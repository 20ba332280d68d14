/* The end of central directory record (APPNOTE 4.3.16), found by searching backwards from the end of the
 * file. */
#ifndef PLS_STUB_END_RECORD_H
#define PLS_STUB_END_RECORD_H

#include "ArchiveInput.h"

typedef struct EndRecord {
    long long position; /* where the record lies in the file */
    unsigned entryCount;
    unsigned long centralSize;
    unsigned long centralOffset;
    unsigned commentLength;
} EndRecord;

/* Searches the last ZIP_END_SEARCH_SPAN bytes; scratch holds at least ARCHIVE_INPUT_BUFFER_SIZE bytes.
 * Returns 0 when a record was found whose comment fits into the file. */
int EndRecord_Find(ArchiveInput* input, unsigned char* scratch, EndRecord* record);

#endif
