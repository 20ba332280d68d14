#include "EntryTarget.h"

#include "ExtractReport.h"
#include "StubFiles.h"

#include <string.h>

enum { RENAME_ATTEMPTS_MAX = 4 };

static int MakeFolder(ExtractContext* context, const char* displayName) {
    if (StubFiles_Kind(context->path) == STUB_PATH_FOLDER)
        return 0;
    if (StubFiles_MakeFolder(context->path) != 0) {
        ExtractReport_Print(context->callbacks, "error:  cannot create folder %s\n", context->path);
        ExtractContext_Note(context, EXTRACT_ERROR);
        return -1;
    }
    ExtractReport_Print(context->callbacks, "   creating: %-22s\n", displayName);
    return 0;
}

/* Every folder named in the path below the target, outermost first. */
static int MakeParentFolders(ExtractContext* context, size_t nameStart) {
    for (char* slash = strchr(context->path + nameStart, '/'); slash; slash = strchr(slash + 1, '/')) {
        *slash = '\0';
        int failed = MakeFolder(context, context->path + nameStart);
        *slash = '/';
        if (failed)
            return -1;
    }
    return 0;
}

static EntryTargetResult RefuseName(ExtractContext* context, EntryPathKind kind) {
    const char* why =
        kind == ENTRY_PATH_TOO_LONG ? "path too long" : "name is empty, absolute or leaves the folder";
    ExtractReport_Print(context->callbacks, "   skipping: %-22s  %s\n", context->entry.name, why);
    ExtractContext_Note(context, EXTRACT_ERROR);
    return ENTRY_TARGET_SKIP;
}

/* The callback may write a new entry name into the buffer when it answers OVERWRITE_RENAME. */
static int AskOverwrite(ExtractContext* context, const char* name) {
    if (context->overwriteAll || !context->callbacks->overwrite)
        return OVERWRITE_YES;
    if (context->overwriteNone)
        return OVERWRITE_NO;
    char buffer[sizeof context->entry.name];
    strcpy(buffer, name);
    int answer = context->callbacks->overwrite(context->callbacks->user, buffer, sizeof buffer);
    context->overwriteAll = answer == OVERWRITE_ALL;
    context->overwriteNone = answer == OVERWRITE_NONE;
    if (answer == OVERWRITE_RENAME) {
        buffer[sizeof buffer - 1] = '\0';
        strcpy(context->entry.name, buffer);
    }
    return answer;
}

static EntryTargetResult ResolveExisting(ExtractContext* context, size_t nameStart, int* renamed) {
    if (StubFiles_Kind(context->path) == STUB_PATH_FOLDER) {
        ExtractReport_Print(context->callbacks, "error:  cannot create %s\n", context->path);
        ExtractContext_Note(context, EXTRACT_ERROR);
        return ENTRY_TARGET_SKIP;
    }
    int answer = AskOverwrite(context, context->path + nameStart);
    *renamed = answer == OVERWRITE_RENAME;
    if (*renamed)
        return ENTRY_TARGET_SKIP;
    if (answer == OVERWRITE_NO || answer == OVERWRITE_NONE) {
        ++context->processed;
        return ENTRY_TARGET_SKIP;
    }
    StubFiles_MakeWritable(context->path);
    return ENTRY_TARGET_WRITE;
}

EntryTargetResult EntryTarget_Resolve(ExtractContext* context) {
    for (int attempt = 0; attempt < RENAME_ATTEMPTS_MAX; ++attempt) {
        size_t nameStart = 0;
        EntryPathKind kind =
            EntryPath_Build(context->settings->target, context->entry.name, context->path, &nameStart);
        if (kind == ENTRY_PATH_UNSAFE || kind == ENTRY_PATH_TOO_LONG)
            return RefuseName(context, kind);
        if (MakeParentFolders(context, nameStart) != 0)
            return ENTRY_TARGET_SKIP;
        if (kind == ENTRY_PATH_FOLDER)
            return MakeFolder(context, context->path + nameStart) == 0 ? ENTRY_TARGET_FOLDER_MADE
                                                                       : ENTRY_TARGET_SKIP;
        if (StubFiles_Kind(context->path) == STUB_PATH_MISSING)
            return ENTRY_TARGET_WRITE;
        int renamed = 0;
        EntryTargetResult result = ResolveExisting(context, nameStart, &renamed);
        if (!renamed)
            return result;
    }
    return ENTRY_TARGET_SKIP;
}
