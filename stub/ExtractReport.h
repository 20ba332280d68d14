/* Formats the archive layer's report texts and hands them to the print callback. */
#ifndef PLS_STUB_EXTRACT_REPORT_H
#define PLS_STUB_EXTRACT_REPORT_H

#include "ExtractArchive.h"

#if defined(__GNUC__)
#define PLS_PRINTF_LIKE(f, a) __attribute__((format(printf, f, a)))
#else
#define PLS_PRINTF_LIKE(f, a)
#endif

void ExtractReport_Print(const ExtractCallbacks* callbacks, const char* format, ...) PLS_PRINTF_LIKE(2, 3);

#endif
