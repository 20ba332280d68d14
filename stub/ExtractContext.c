#include "ExtractContext.h"

#include "EntryData.h"

#include <stdlib.h>

ExtractContext* ExtractContext_Create(const ExtractSettings* settings, const ExtractCallbacks* callbacks) {
    ExtractContext* context = calloc(1, sizeof *context);
    if (!context)
        return NULL;
    context->settings = settings;
    context->callbacks = callbacks;
    context->input.buffer = malloc(ARCHIVE_INPUT_BUFFER_SIZE);
    context->chunk = malloc(ARCHIVE_INPUT_BUFFER_SIZE);
    context->out = malloc(ENTRY_OUTPUT_BUFFER_SIZE);
    if (!context->input.buffer || !context->chunk || !context->out)
        return ExtractContext_Destroy(context);
    return context;
}

ExtractContext* ExtractContext_Destroy(ExtractContext* context) {
    ArchiveInput_Close(&context->input);
    free(context->input.buffer);
    free(context->chunk);
    free(context->out);
    free(context);
    return NULL;
}

void ExtractContext_Note(ExtractContext* context, ExtractResult result) {
    if (result > context->worst)
        context->worst = result;
}
