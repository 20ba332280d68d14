/* Decides where an entry goes: checks its name, makes its folders, and asks before replacing a file. */
#ifndef PLS_STUB_ENTRY_TARGET_H
#define PLS_STUB_ENTRY_TARGET_H

#include "ExtractContext.h"

typedef enum EntryTargetResult {
    ENTRY_TARGET_WRITE,       /* context->path is the file to write */
    ENTRY_TARGET_FOLDER_MADE, /* the entry was a folder and it exists now */
    ENTRY_TARGET_SKIP         /* refused or declined; any error is noted and reported */
} EntryTargetResult;

EntryTargetResult EntryTarget_Resolve(ExtractContext* context);

#endif
