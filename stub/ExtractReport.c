#include "ExtractReport.h"

#include <stdarg.h>
#include <stdio.h>

enum { REPORT_TEXT_MAX = 1536 };

void ExtractReport_Print(const ExtractCallbacks* callbacks, const char* format, ...) {
    if (!callbacks->print)
        return;
    char text[REPORT_TEXT_MAX];
    va_list arguments;
    va_start(arguments, format);
    int length = vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    if (length < 0)
        return;
    if ((size_t)length >= sizeof text)
        length = (int)sizeof text - 1;
    callbacks->print(callbacks->user, text, (unsigned long)length);
}
