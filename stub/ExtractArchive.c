#include "ExtractArchive.h"

#include "CentralDirectory.h"
#include "ExtractEntry.h"
#include "ExtractReport.h"
#include "ZipBytes.h"

/* Reads the central header at *offset with its name and extra field, and moves *offset past its comment. */
static ExtractResult ReadCentralEntry(ExtractContext* context, long long* offset, unsigned number) {
    CentralEntry* entry = &context->entry;
    unsigned char header[ZIP_CENTRAL_HEADER_SIZE] = {0};
    ArchiveInput_Seek(&context->input, *offset);
    size_t got = ArchiveInput_Read(&context->input, header, sizeof header);
    if (got < 4)
        return EXTRACT_EARLY_END;
    if (CentralEntry_ParseHeader(entry, header) != 0) {
        ExtractReport_Print(context->callbacks,
                            "error [%s]:  expected central file header signature not found (file #%u).\n",
                            context->settings->archive, number);
        return EXTRACT_BAD_ARCHIVE;
    }
    if (got < sizeof header)
        return EXTRACT_EARLY_END;
    unsigned kept = entry->nameLength > CENTRAL_NAME_MAX ? CENTRAL_NAME_MAX : entry->nameLength;
    if (ArchiveInput_Read(&context->input, entry->name, kept) != kept)
        return EXTRACT_EARLY_END;
    entry->name[kept] = '\0';
    long long extraAt = *offset + ZIP_CENTRAL_HEADER_SIZE + entry->nameLength;
    if (ArchiveInput_ReadAt(&context->input, extraAt, context->out, entry->extraLength) != 0)
        return EXTRACT_EARLY_END;
    CentralEntry_ParseExtra(entry, context->out, entry->extraLength);
    if (kept < entry->nameLength) {
        ExtractReport_Print(context->callbacks, "warning:  filename too long--truncating.\n");
        ExtractContext_Note(context, EXTRACT_WARNING);
    }
    *offset = extraAt + entry->extraLength + entry->commentLength;
    return EXTRACT_OK;
}

static void ExtractEntries(ExtractContext* context, const CentralDirectory* directory) {
    long long offset = directory->start;
    for (unsigned number = 1; number <= directory->entryCount; ++number) {
        ExtractResult read = ReadCentralEntry(context, &offset, number);
        if (read == EXTRACT_EARLY_END)
            ExtractReport_Print(context->callbacks, "error [%s]:  the zipfile ended early\n",
                                context->settings->archive);
        if (read != EXTRACT_OK) {
            ExtractContext_Note(context, read);
            return;
        }
        ExtractEntry_Run(context, number == 1 ? ENTRY_FIRST : ENTRY_LATER);
        /* Further writes would only fail as well. */
        if (context->worst == EXTRACT_DISK_FULL)
            return;
    }
}

static ExtractResult FinalResult(const ExtractContext* context) {
    if (context->processed == 0 && context->worst <= EXTRACT_WARNING) {
        if (context->skippedForMethod)
            return EXTRACT_UNSUPPORTED;
        return context->skippedForPassword ? EXTRACT_NEED_PASSWORD : EXTRACT_NOTHING;
    }
    if (context->skippedForPassword && context->worst == EXTRACT_OK)
        return EXTRACT_WARNING;
    return context->worst;
}

static ExtractResult Extract(ExtractContext* context) {
    if (ArchiveInput_Open(&context->input, context->settings->archive) != 0) {
        ExtractReport_Print(context->callbacks, "unzipsfx:  cannot find myself! [%s]\n",
                            context->settings->archive);
        return EXTRACT_CANNOT_OPEN;
    }
    CentralDirectory directory;
    ExtractResult located = CentralDirectory_Locate(context, &directory);
    if (located != EXTRACT_OK)
        return located > context->worst ? located : context->worst;
    ExtractEntries(context, &directory);
    return FinalResult(context);
}

ExtractResult ExtractArchive(const ExtractSettings* settings, const ExtractCallbacks* callbacks) {
    ExtractContext* context = ExtractContext_Create(settings, callbacks);
    if (!context) {
        ExtractReport_Print(callbacks, "error:  cannot allocate unzip buffers\n");
        return EXTRACT_NO_MEMORY;
    }
    ExtractResult result = Extract(context);
    context = ExtractContext_Destroy(context);
    return result;
}
