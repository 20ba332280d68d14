/* Extracts the entry whose central header is in context->entry: checks, local header, password, target
 * file, data, time stamp and attributes. Outcomes go into the context's counters and worst result. */
#ifndef PLS_STUB_EXTRACT_ENTRY_H
#define PLS_STUB_EXTRACT_ENTRY_H

#include "ExtractContext.h"

typedef enum EntryPosition { ENTRY_FIRST, ENTRY_LATER } EntryPosition;

void ExtractEntry_Run(ExtractContext* context, EntryPosition position);

#endif
