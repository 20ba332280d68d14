/* The state of one ExtractArchive call: buffers, prefix shift, counters and the worst result so far. */
#ifndef PLS_STUB_EXTRACT_CONTEXT_H
#define PLS_STUB_EXTRACT_CONTEXT_H

#include "ArchiveInput.h"
#include "CentralEntry.h"
#include "EntryPath.h"
#include "ExtractArchive.h"

enum { PASSWORD_MAX = 80 };

typedef struct ExtractContext {
    const ExtractSettings* settings;
    const ExtractCallbacks* callbacks;
    ArchiveInput input;
    unsigned char* chunk; /* ARCHIVE_INPUT_BUFFER_SIZE: entry data on its way to the inflater */
    unsigned char* out;   /* ENTRY_OUTPUT_BUFFER_SIZE: inflated data, extra fields, the end-record search */
    long long shift;      /* bytes in front of the archive proper */
    ExtractResult worst;
    unsigned long processed; /* extracted, or kept as it was by the overwrite answer */
    unsigned long skippedForMethod, skippedForPassword;
    int overwriteAll, overwriteNone, passwordCancelledAll;
    char password[PASSWORD_MAX]; /* the last password that fitted; empty at first */
    CentralEntry entry;
    char path[ENTRY_PATH_MAX];
} ExtractContext;

ExtractContext* ExtractContext_Create(const ExtractSettings* settings, const ExtractCallbacks* callbacks);
/* Returns NULL, for the caller's pointer. */
ExtractContext* ExtractContext_Destroy(ExtractContext* context);
void ExtractContext_Note(ExtractContext* context, ExtractResult result);

#endif
