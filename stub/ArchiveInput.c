#include "ArchiveInput.h"

#include <string.h>

int ArchiveInput_Open(ArchiveInput* input, const char* path) {
    input->file = fopen(path, "rb");
    if (!input->file)
        return -1;
    if (fseek(input->file, 0, SEEK_END) != 0) {
        ArchiveInput_Close(input);
        return -1;
    }
    input->size = ftell(input->file);
    input->bufferStart = 0;
    input->bufferFill = 0;
    input->position = 0;
    if (input->size < 0) {
        ArchiveInput_Close(input);
        return -1;
    }
    return 0;
}

void ArchiveInput_Close(ArchiveInput* input) {
    if (input->file)
        fclose(input->file);
    input->file = NULL;
}

void ArchiveInput_Seek(ArchiveInput* input, long long offset) {
    input->position = offset;
}

/* Reads from the file at the current position, past the buffer. */
static size_t ReadDirect(ArchiveInput* input, unsigned char* destination, size_t count) {
    if (input->position < 0 || input->position >= input->size ||
        fseek(input->file, (long)input->position, SEEK_SET) != 0)
        return 0;
    size_t got = fread(destination, 1, count, input->file);
    input->position += (long long)got;
    return got;
}

static int Fill(ArchiveInput* input) {
    input->bufferStart = input->position;
    input->bufferFill = ReadDirect(input, input->buffer, ARCHIVE_INPUT_BUFFER_SIZE);
    input->position = input->bufferStart;
    return input->bufferFill ? 0 : -1;
}

size_t ArchiveInput_Read(ArchiveInput* input, void* destination, size_t count) {
    unsigned char* out = destination;
    size_t done = 0;
    while (done < count) {
        long long inBuffer = input->position - input->bufferStart;
        int buffered = inBuffer >= 0 && inBuffer < (long long)input->bufferFill;
        /* A whole buffer's worth that the buffer does not hold needs no second copy. */
        if (!buffered && count - done >= ARCHIVE_INPUT_BUFFER_SIZE) {
            size_t got = ReadDirect(input, out + done, count - done);
            done += got;
            if (!got)
                break;
            continue;
        }
        if (!buffered) {
            if (Fill(input) != 0)
                break;
            inBuffer = 0;
        }
        size_t available = input->bufferFill - (size_t)inBuffer;
        size_t take = count - done < available ? count - done : available;
        memcpy(out + done, input->buffer + inBuffer, take);
        done += take;
        input->position += (long long)take;
    }
    return done;
}

int ArchiveInput_ReadAt(ArchiveInput* input, long long offset, void* destination, size_t count) {
    ArchiveInput_Seek(input, offset);
    return ArchiveInput_Read(input, destination, count) == count ? 0 : -1;
}
