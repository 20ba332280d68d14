/* Reads the archive file through one small buffer, so that neither the archive nor an entry is ever held
 * whole. */
#ifndef PLS_STUB_ARCHIVE_INPUT_H
#define PLS_STUB_ARCHIVE_INPUT_H

#include <stddef.h>
#include <stdio.h>

enum { ARCHIVE_INPUT_BUFFER_SIZE = 8192 };

typedef struct ArchiveInput {
    FILE* file;
    long long size;
    unsigned char* buffer; /* ARCHIVE_INPUT_BUFFER_SIZE bytes, owned by the caller */
    long long bufferStart; /* file offset of buffer[0] */
    size_t bufferFill;
    long long position;
} ArchiveInput;

/* Returns 0 on success; the buffer must already be set. */
int ArchiveInput_Open(ArchiveInput* input, const char* path);
void ArchiveInput_Close(ArchiveInput* input);
/* Offsets outside the file are accepted here; the read that follows then comes back short. */
void ArchiveInput_Seek(ArchiveInput* input, long long offset);
/* Returns the number of bytes read, short at the end of the file. */
size_t ArchiveInput_Read(ArchiveInput* input, void* destination, size_t count);
/* Reads exactly count bytes at offset; returns 0 on success. */
int ArchiveInput_ReadAt(ArchiveInput* input, long long offset, void* destination, size_t count);

#endif
