#include "CentralEntry.h"

#include "ZipBytes.h"

enum { EXTRA_TIME_STAMP = 0x5455, EXTRA_UNIX_OLD = 0x5855 };

int CentralEntry_ParseHeader(CentralEntry* entry, const unsigned char* header) {
    if (!ZipIsSignature(header, 1, 2))
        return -1;
    entry->hostSystem = header[5];
    entry->versionNeeded = header[6];
    entry->flags = ZipLe16(header + 8);
    entry->method = ZipLe16(header + 10);
    entry->dosTime = ZipLe16(header + 12);
    entry->dosDate = ZipLe16(header + 14);
    entry->crc = ZipLe32(header + 16);
    entry->compressedSize = ZipLe32(header + 20);
    entry->uncompressedSize = ZipLe32(header + 24);
    entry->nameLength = ZipLe16(header + 28);
    entry->extraLength = ZipLe16(header + 30);
    entry->commentLength = ZipLe16(header + 32);
    entry->externalAttributes = ZipLe32(header + 38);
    entry->localOffset = ZipLe32(header + 42);
    entry->hasUnixTime = 0;
    entry->name[0] = '\0';
    return 0;
}

/* Unix times in these blocks are signed 32-bit seconds. */
static time_t SignedTime(const unsigned char* p) {
    unsigned long raw = ZipLe32(p);
    return raw & 0x80000000UL ? (time_t)((long long)raw - 0x100000000LL) : (time_t)raw;
}

void CentralEntry_ParseExtra(CentralEntry* entry, const unsigned char* extra, unsigned length) {
    int haveTimeStamp = 0;
    for (unsigned at = 0; at + 4 <= length;) {
        unsigned id = ZipLe16(extra + at);
        unsigned size = ZipLe16(extra + at + 2);
        const unsigned char* data = extra + at + 4;
        if (size > length - at - 4)
            break;
        /* The time stamp's flag bit 0 says the modification time follows. */
        if (id == EXTRA_TIME_STAMP && size >= 5 && (data[0] & 1)) {
            entry->unixTime = SignedTime(data + 1);
            entry->hasUnixTime = haveTimeStamp = 1;
        } else if (id == EXTRA_UNIX_OLD && size >= 8 && !haveTimeStamp) {
            entry->unixTime = SignedTime(data + 4);
            entry->hasUnixTime = 1;
        }
        at += 4 + size;
    }
}

time_t CentralEntry_ModificationTime(const CentralEntry* entry) {
    if (entry->hasUnixTime)
        return entry->unixTime;
    struct tm local = {0};
    local.tm_year = (int)(entry->dosDate >> 9) + 80;
    local.tm_mon = (int)((entry->dosDate >> 5) & 15) - 1;
    local.tm_mday = (int)(entry->dosDate & 31);
    local.tm_hour = (int)(entry->dosTime >> 11);
    local.tm_min = (int)((entry->dosTime >> 5) & 63);
    local.tm_sec = (int)(entry->dosTime & 31) * 2;
    local.tm_isdst = -1;
    return mktime(&local);
}

int CentralEntry_HasDosAttributes(const CentralEntry* entry) {
    switch (entry->hostSystem) {
    case ZIP_HOST_FAT:
    case ZIP_HOST_HPFS:
    case ZIP_HOST_NTFS:
    case ZIP_HOST_VFAT:
        return 1;
    default:
        return 0;
    }
}
