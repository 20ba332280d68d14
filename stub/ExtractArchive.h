/* The package stub's archive layer: extracts every entry of a ZIP archive (PKWARE APPNOTE) that may be
 * preceded by bytes of any length, such as the stub itself in front of a Giftlet. Portable C; the few
 * file-system calls that differ between systems go through StubFiles.h. */
#ifndef PLS_STUB_EXTRACT_ARCHIVE_H
#define PLS_STUB_EXTRACT_ARCHIVE_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Only EXTRACT_OK lets the front end open the page. When several things went wrong, the highest code wins. */
typedef enum ExtractResult {
    EXTRACT_OK = 0,
    EXTRACT_WARNING = 1,     /* everything usable extracted, something was odd */
    EXTRACT_ERROR = 2,       /* some entries failed, or the offsets had to be repaired */
    EXTRACT_BAD_ARCHIVE = 3, /* central directory missing or damaged */
    EXTRACT_NO_MEMORY = 4,
    EXTRACT_CANNOT_OPEN = 9,
    EXTRACT_NOTHING = 11, /* nothing extracted, nothing skipped for method or password */
    EXTRACT_DISK_FULL = 50,
    EXTRACT_EARLY_END = 51,
    EXTRACT_UNSUPPORTED = 81,  /* nothing extracted: all skipped for method or version */
    EXTRACT_NEED_PASSWORD = 82 /* every entry skipped for want of a password */
} ExtractResult;

/* Answers of the overwrite callback; any other value replaces the file. */
enum {
    OVERWRITE_NO = 100,
    OVERWRITE_YES = 102,
    OVERWRITE_ALL = 103,
    OVERWRITE_NONE = 104,
    OVERWRITE_RENAME = 105 /* the callback has written a new entry name into its buffer */
};

/* Answers of the password callback. */
enum { PASSWORD_ENTERED = 0, PASSWORD_CANCEL = -1, PASSWORD_CANCEL_ALL = -2 };

/* What the per-file report callback learns about each extracted entry. */
typedef struct EntryReport {
    unsigned long uncompressedSize;
    unsigned long compressedSize;
    int ratioPermille; /* negative when the data grew */
    unsigned month, day, year, hour, minute;
    unsigned long crc;
    const char* methodName;
    int encrypted;
    const char* name;
} EntryReport;

typedef struct ExtractCallbacks {
    void* user;
    /* Receives every report text (8-bit, ending in a line feed); returns the length it took. */
    int (*print)(void* user, const char* text, unsigned long length);
    /* Asked with the target file name when that file exists already; see OVERWRITE_*. */
    int (*overwrite)(void* user, char* fileName, size_t size);
    /* Asked for each encrypted entry that the empty or an earlier password does not open; see PASSWORD_*. */
    int (*password)(void* user, char* buffer, int size, const char* prompt, const char* entryName);
    void (*report)(void* user, const EntryReport* entry);
} ExtractCallbacks;

typedef struct ExtractSettings {
    const char* archive;
    const char* target; /* NULL: the current folder */
} ExtractSettings;

ExtractResult ExtractArchive(const ExtractSettings* settings, const ExtractCallbacks* callbacks);

#ifdef __cplusplus
}
#endif

#endif
