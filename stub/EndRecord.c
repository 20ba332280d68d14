#include "EndRecord.h"

#include "ZipBytes.h"

/* A signature inside an archive comment would otherwise be taken for the record: the comment must fit. */
static int ReadCandidate(ArchiveInput* input, long long position, EndRecord* record) {
    unsigned char bytes[ZIP_END_RECORD_SIZE];
    if (ArchiveInput_ReadAt(input, position, bytes, sizeof bytes) != 0)
        return -1;
    record->position = position;
    record->entryCount = ZipLe16(bytes + 10);
    record->centralSize = ZipLe32(bytes + 12);
    record->centralOffset = ZipLe32(bytes + 16);
    record->commentLength = ZipLe16(bytes + 20);
    return position + ZIP_END_RECORD_SIZE + record->commentLength <= input->size ? 0 : -1;
}

int EndRecord_Find(ArchiveInput* input, unsigned char* scratch, EndRecord* record) {
    long long lowest = input->size > ZIP_END_SEARCH_SPAN ? input->size - ZIP_END_SEARCH_SPAN : 0;
    /* Blocks overlap by three bytes so that a signature across a block border is still seen. */
    long long end = input->size - ZIP_END_RECORD_SIZE + 4;
    while (end - 4 >= lowest) {
        long long start = end - ARCHIVE_INPUT_BUFFER_SIZE > lowest ? end - ARCHIVE_INPUT_BUFFER_SIZE : lowest;
        if (ArchiveInput_ReadAt(input, start, scratch, (size_t)(end - start)) != 0)
            return -1;
        for (long long at = end - start - 4; at >= 0; --at) {
            if (ZipIsSignature(scratch + at, 5, 6) && ReadCandidate(input, start + at, record) == 0)
                return 0;
        }
        if (start == lowest)
            break;
        end = start + 3;
    }
    return -1;
}
