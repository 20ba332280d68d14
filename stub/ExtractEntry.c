#include "ExtractEntry.h"

#include "EntryData.h"
#include "EntryTarget.h"
#include "ExtractReport.h"
#include "StubFiles.h"
#include "ZipBytes.h"

#include <stdio.h>
#include <string.h>

enum { VERSION_CAN_DO = 20, VERSION_CAN_DO_VMS = 42, PASSWORD_PROMPTS_MAX = 3 };

static int IsSupported(ExtractContext* context) {
    const CentralEntry* entry = &context->entry;
    unsigned canDo = entry->hostSystem == ZIP_HOST_VMS ? VERSION_CAN_DO_VMS : VERSION_CAN_DO;
    if (entry->versionNeeded > canDo) {
        ExtractReport_Print(context->callbacks,
                            "   skipping: %-22s  need %s compat. v%u.%u (can do v%u.%u)\n", entry->name, "PK",
                            entry->versionNeeded / 10, entry->versionNeeded % 10, canDo / 10, canDo % 10);
    } else if (entry->method != ZIP_METHOD_STORED && entry->method != ZIP_METHOD_DEFLATED) {
        ExtractReport_Print(context->callbacks, "   skipping: %-22s  unsupported compression method %u\n",
                            entry->name, entry->method);
    } else {
        return 1;
    }
    ++context->skippedForMethod;
    return 0;
}

static int ReadLocalHeader(ExtractContext* context, long long* dataStart) {
    unsigned char header[ZIP_LOCAL_HEADER_SIZE];
    long long offset = (long long)context->entry.localOffset + context->shift;
    if (ArchiveInput_ReadAt(&context->input, offset, header, sizeof header) != 0 ||
        !ZipIsSignature(header, 3, 4))
        return -1;
    *dataStart = offset + ZIP_LOCAL_HEADER_SIZE + ZipLe16(header + 26) + ZipLe16(header + 28);
    return 0;
}

/* A wrong first local header while a shift is in force may mean offsets that count from the file start. */
static int FindData(ExtractContext* context, EntryPosition position, long long* dataStart) {
    if (ReadLocalHeader(context, dataStart) == 0)
        return 0;
    ExtractReport_Print(context->callbacks, "error [%s]:  bad local header offset %lu for %s\n",
                        context->settings->archive, context->entry.localOffset, context->entry.name);
    ExtractContext_Note(context, EXTRACT_ERROR);
    if (position == ENTRY_FIRST && context->shift != 0) {
        long long shift = context->shift;
        context->shift = 0;
        if (ReadLocalHeader(context, dataStart) == 0)
            return 0;
        context->shift = shift;
    }
    ExtractContext_Note(context, EXTRACT_BAD_ARCHIVE);
    return -1;
}

static int TryPassword(const CentralEntry* entry, PkwareCipher* cipher, const char* password,
                       const unsigned char* header) {
    unsigned check =
        entry->flags & ZIP_FLAG_DATA_DESCRIPTOR ? (entry->dosTime >> 8) & 0xff : entry->crc >> 24;
    return PkwareCipher_Start(cipher, password, header, check);
}

/* The empty password and the last one that fitted are tried first; then the callback may give others. */
static int OpenCipher(ExtractContext* context, PkwareCipher* cipher, const unsigned char* header) {
    const CentralEntry* entry = &context->entry;
    if (TryPassword(entry, cipher, "", header) ||
        (context->password[0] && TryPassword(entry, cipher, context->password, header)))
        return 1;
    const char* prompt = "Enter password for: ";
    for (int asked = 0; asked < PASSWORD_PROMPTS_MAX && !context->passwordCancelledAll; ++asked) {
        char given[PASSWORD_MAX] = "";
        int answer = context->callbacks->password
                         ? context->callbacks->password(context->callbacks->user, given, PASSWORD_MAX, prompt,
                                                        entry->name)
                         : PASSWORD_CANCEL_ALL;
        context->passwordCancelledAll = answer == PASSWORD_CANCEL_ALL;
        if (answer != PASSWORD_ENTERED)
            break;
        given[PASSWORD_MAX - 1] = '\0';
        if (TryPassword(entry, cipher, given, header)) {
            strcpy(context->password, given);
            return 1;
        }
        prompt = "Password incorrect--reenter: ";
    }
    return 0;
}

typedef struct EntrySource {
    long long start;
    unsigned long length;
    PkwareCipher cipher;
    int encrypted;
} EntrySource;

/* Positions the input at the entry's data, behind any encryption header whose password fitted. */
static int PrepareSource(ExtractContext* context, EntrySource* source) {
    const CentralEntry* entry = &context->entry;
    source->length = entry->compressedSize;
    source->encrypted = (entry->flags & ZIP_FLAG_ENCRYPTED) != 0;
    if (source->start + (long long)source->length > context->input.size) {
        ExtractReport_Print(context->callbacks, "error:  %s runs past the end of the zipfile\n", entry->name);
        ExtractContext_Note(context, EXTRACT_EARLY_END);
        return -1;
    }
    if (!source->encrypted)
        return 0;
    unsigned char header[PKWARE_HEADER_SIZE];
    if (source->length < PKWARE_HEADER_SIZE ||
        ArchiveInput_ReadAt(&context->input, source->start, header, sizeof header) != 0 ||
        !OpenCipher(context, &source->cipher, header)) {
        ExtractReport_Print(context->callbacks, "   skipping: %-22s  incorrect password\n", entry->name);
        ++context->skippedForPassword;
        return -1;
    }
    source->length -= PKWARE_HEADER_SIZE;
    return 0;
}

static void NoteDataOutcome(ExtractContext* context, EntryDataOutcome outcome) {
    const char* verb = context->entry.method == ZIP_METHOD_DEFLATED ? "inflate" : "extract";
    switch (outcome.result) {
    case ENTRY_DATA_OK:
        return;
    case ENTRY_DATA_BAD_CRC:
        ExtractReport_Print(context->callbacks, "%s bad CRC %08lx  (should be %08lx)\n", context->entry.name,
                            outcome.crc, context->entry.crc);
        ExtractContext_Note(context, EXTRACT_ERROR);
        return;
    case ENTRY_DATA_INVALID:
        ExtractReport_Print(context->callbacks, "%s  invalid compressed data to %s\n", context->entry.name,
                            verb);
        ExtractContext_Note(context, EXTRACT_ERROR);
        return;
    case ENTRY_DATA_NO_MEMORY:
        ExtractReport_Print(context->callbacks, "%s  not enough memory to %s\n", context->entry.name, verb);
        ExtractContext_Note(context, EXTRACT_NO_MEMORY);
        return;
    case ENTRY_DATA_WRITE_FAILED:
        ExtractReport_Print(context->callbacks, "%s:  write error (disk full?).\n", context->path);
        ExtractContext_Note(context, EXTRACT_DISK_FULL);
        return;
    case ENTRY_DATA_EARLY_END:
        ExtractReport_Print(context->callbacks, "%s  the zipfile ended early\n", context->entry.name);
        ExtractContext_Note(context, EXTRACT_EARLY_END);
        return;
    }
}

/* Returns 0 when the file was created, whatever became of its data. */
static int WriteFile(ExtractContext* context, EntrySource* source) {
    FILE* file = fopen(context->path, "wb");
    if (!file) {
        ExtractReport_Print(context->callbacks, "error:  cannot create %s\n", context->path);
        ExtractContext_Note(context, EXTRACT_ERROR);
        return -1;
    }
    ++context->processed;
    ArchiveInput_Seek(&context->input, source->start + (source->encrypted ? PKWARE_HEADER_SIZE : 0));
    EntryDataJob job = {&context->input,    source->length,        context->entry.uncompressedSize,
                        context->entry.crc, context->entry.method, source->encrypted ? &source->cipher : NULL,
                        context->chunk,     context->out,          file};
    EntryDataOutcome outcome = EntryData_Write(&job);
    if (fclose(file) != 0 && outcome.result == ENTRY_DATA_OK)
        outcome.result = ENTRY_DATA_WRITE_FAILED;
    NoteDataOutcome(context, outcome);
    return 0;
}

static void ApplyTimeAndAttributes(ExtractContext* context) {
    const CentralEntry* entry = &context->entry;
    if (StubFiles_SetTime(context->path, CentralEntry_ModificationTime(entry)) != 0) {
        ExtractReport_Print(context->callbacks, "warning:  cannot set times for %s\n", context->path);
        ExtractContext_Note(context, EXTRACT_WARNING);
    }
    if (CentralEntry_HasDosAttributes(entry) &&
        StubFiles_SetDosAttributes(context->path, (unsigned)(entry->externalAttributes & 0xff)) != 0) {
        ExtractReport_Print(context->callbacks, "warning:  cannot set attributes for %s\n", context->path);
        ExtractContext_Note(context, EXTRACT_WARNING);
    }
}

static void Report(ExtractContext* context) {
    const CentralEntry* entry = &context->entry;
    if (!context->callbacks->report)
        return;
    unsigned long size = entry->uncompressedSize;
    EntryReport report = {size,
                          entry->compressedSize,
                          size ? (int)(1000 - (long long)entry->compressedSize * 1000 / (long long)size) : 0,
                          (entry->dosDate >> 5) & 15,
                          entry->dosDate & 31,
                          (entry->dosDate >> 9) + 1980,
                          entry->dosTime >> 11,
                          (entry->dosTime >> 5) & 63,
                          entry->crc,
                          entry->method == ZIP_METHOD_DEFLATED ? "Defl:N" : "Stored",
                          (entry->flags & ZIP_FLAG_ENCRYPTED) != 0,
                          entry->name};
    context->callbacks->report(context->callbacks->user, &report);
}

void ExtractEntry_Run(ExtractContext* context, EntryPosition position) {
    EntrySource source = {0};
    if (!IsSupported(context) || FindData(context, position, &source.start) != 0 ||
        PrepareSource(context, &source) != 0)
        return;
    switch (EntryTarget_Resolve(context)) {
    case ENTRY_TARGET_SKIP:
        return;
    case ENTRY_TARGET_FOLDER_MADE:
        ++context->processed;
        return;
    case ENTRY_TARGET_WRITE:
        if (WriteFile(context, &source) != 0)
            return;
        ApplyTimeAndAttributes(context);
        Report(context);
        return;
    }
}
