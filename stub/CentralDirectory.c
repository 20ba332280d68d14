#include "CentralDirectory.h"

#include "EndRecord.h"
#include "ExtractReport.h"
#include "ZipBytes.h"

static int IsCentralHeaderAt(ExtractContext* context, long long offset) {
    unsigned char signature[4];
    return offset >= 0 && ArchiveInput_ReadAt(&context->input, offset, signature, 4) == 0 &&
           ZipIsSignature(signature, 1, 2);
}

/* The shift is where the end record is, less where the archive says it should be (APPNOTE 4.3.16). */
static void ComputeShift(ExtractContext* context, EndRecord* record) {
    const char* archive = context->settings->archive;
    context->shift = record->position - ((long long)record->centralOffset + (long long)record->centralSize);
    if (context->shift < 0) {
        ExtractReport_Print(context->callbacks, "error [%s]:  missing %ld bytes in zipfile\n", archive,
                            (long)-context->shift);
        ExtractReport_Print(context->callbacks, "  (attempting to process anyway)\n");
        ExtractContext_Note(context, EXTRACT_ERROR);
    } else if (context->shift > 0 && record->centralOffset == 0 && record->centralSize != 0) {
        ExtractReport_Print(context->callbacks, "error [%s]:  NULL central directory offset\n", archive);
        ExtractReport_Print(context->callbacks, "  (attempting to process anyway)\n");
        record->centralOffset = (unsigned long)context->shift;
        context->shift = 0;
        ExtractContext_Note(context, EXTRACT_ERROR);
    }
}

ExtractResult CentralDirectory_Locate(ExtractContext* context, CentralDirectory* directory) {
    const char* archive = context->settings->archive;
    EndRecord record;
    if (EndRecord_Find(&context->input, context->out, &record) != 0) {
        ExtractReport_Print(context->callbacks, "  End-of-central-directory signature not found.\n");
        return EXTRACT_ERROR;
    }
    ComputeShift(context, &record);
    if (record.centralOffset == 0 && record.centralSize == 0) {
        ExtractReport_Print(context->callbacks, "warning [%s]:  zipfile is empty\n", archive);
        return EXTRACT_WARNING;
    }
    directory->entryCount = record.entryCount;
    directory->start = (long long)record.centralOffset + context->shift;
    if (directory->start < 0) {
        ExtractReport_Print(context->callbacks, "error [%s]:  attempt to seek before beginning of zipfile\n",
                            archive);
        return EXTRACT_BAD_ARCHIVE;
    }
    if (IsCentralHeaderAt(context, directory->start))
        return EXTRACT_OK;
    /* Some archives count their offsets from the start of the file already. */
    if (context->shift != 0 && IsCentralHeaderAt(context, (long long)record.centralOffset)) {
        context->shift = 0;
        directory->start = (long long)record.centralOffset;
        ExtractContext_Note(context, EXTRACT_ERROR);
        return EXTRACT_OK;
    }
    ExtractReport_Print(context->callbacks, "error [%s]:  start of central directory not found;\n", archive);
    ExtractReport_Print(context->callbacks, "  zipfile corrupt.\n");
    return EXTRACT_BAD_ARCHIVE;
}
