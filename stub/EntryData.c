#include "EntryData.h"

#include "CentralEntry.h"

#include <zlib.h>

typedef struct Sink {
    const EntryDataJob* job;
    unsigned long written;
    unsigned long crc;
} Sink;

/* Writes at most up to the stated size; bytes beyond it make the entry invalid (a "bomb"). */
static EntryDataResult Emit(Sink* sink, const unsigned char* data, size_t length) {
    unsigned long room = sink->job->expectedSize - sink->written;
    size_t take = length > room ? room : length;
    if (take && fwrite(data, 1, take, sink->job->file) != take)
        return ENTRY_DATA_WRITE_FAILED;
    sink->crc = crc32(sink->crc, data, (uInt)take);
    sink->written += (unsigned long)take;
    return take == length ? ENTRY_DATA_OK : ENTRY_DATA_INVALID;
}

/* Reads the next piece of entry data into the chunk buffer, decrypted. */
static size_t NextChunk(const EntryDataJob* job, unsigned long* remaining) {
    size_t want = *remaining < ARCHIVE_INPUT_BUFFER_SIZE ? *remaining : ARCHIVE_INPUT_BUFFER_SIZE;
    size_t got = ArchiveInput_Read(job->input, job->chunk, want);
    if (job->cipher)
        PkwareCipher_Decrypt(job->cipher, job->chunk, got);
    *remaining -= (unsigned long)got;
    return got;
}

static EntryDataResult CopyStored(Sink* sink) {
    unsigned long remaining = sink->job->inputLength;
    while (remaining) {
        size_t got = NextChunk(sink->job, &remaining);
        if (!got)
            return ENTRY_DATA_EARLY_END;
        EntryDataResult result = Emit(sink, sink->job->chunk, got);
        if (result != ENTRY_DATA_OK)
            return result;
    }
    return ENTRY_DATA_OK;
}

/* Returns ENTRY_DATA_OK and sets *finished at the end of the stream. */
static EntryDataResult InflateStep(Sink* sink, z_stream* stream, unsigned long* remaining, int* finished) {
    const EntryDataJob* job = sink->job;
    if (stream->avail_in == 0 && *remaining) {
        stream->avail_in = (uInt)NextChunk(job, remaining);
        stream->next_in = job->chunk;
        if (!stream->avail_in)
            return ENTRY_DATA_EARLY_END;
    }
    stream->next_out = job->out;
    stream->avail_out = ENTRY_OUTPUT_BUFFER_SIZE;
    int status = inflate(stream, Z_NO_FLUSH);
    EntryDataResult result = Emit(sink, job->out, ENTRY_OUTPUT_BUFFER_SIZE - stream->avail_out);
    if (result != ENTRY_DATA_OK)
        return result;
    *finished = status == Z_STREAM_END;
    /* Z_BUF_ERROR with all input used means the stream stops short of its end. */
    if (*finished || status == Z_OK || (status == Z_BUF_ERROR && *remaining))
        return ENTRY_DATA_OK;
    return status == Z_MEM_ERROR ? ENTRY_DATA_NO_MEMORY : ENTRY_DATA_INVALID;
}

static EntryDataResult Inflate(Sink* sink) {
    z_stream stream = {0};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return ENTRY_DATA_NO_MEMORY;
    unsigned long remaining = sink->job->inputLength;
    EntryDataResult result;
    int finished = 0;
    do {
        result = InflateStep(sink, &stream, &remaining, &finished);
    } while (result == ENTRY_DATA_OK && !finished);
    inflateEnd(&stream);
    return result;
}

EntryDataOutcome EntryData_Write(const EntryDataJob* job) {
    Sink sink = {job, 0, crc32(0, Z_NULL, 0)};
    EntryDataResult result = job->method == ZIP_METHOD_STORED ? CopyStored(&sink) : Inflate(&sink);
    EntryDataOutcome outcome = {result, sink.crc};
    if (outcome.result == ENTRY_DATA_OK && sink.written != job->expectedSize)
        outcome.result = ENTRY_DATA_INVALID;
    if (outcome.result == ENTRY_DATA_OK && sink.crc != job->expectedCrc)
        outcome.result = ENTRY_DATA_BAD_CRC;
    return outcome;
}
