/* One central file header (APPNOTE 4.3.12) with the extra-field blocks the stub uses. */
#ifndef PLS_STUB_CENTRAL_ENTRY_H
#define PLS_STUB_CENTRAL_ENTRY_H

#include <time.h>

enum { CENTRAL_NAME_MAX = 259 /* the longest name the path buffer takes; longer ones are cut */ };

enum { ZIP_FLAG_ENCRYPTED = 0x0001, ZIP_FLAG_DATA_DESCRIPTOR = 0x0008 };
enum { ZIP_METHOD_STORED = 0, ZIP_METHOD_DEFLATED = 8 };
enum { ZIP_HOST_FAT = 0, ZIP_HOST_VMS = 2, ZIP_HOST_HPFS = 6, ZIP_HOST_NTFS = 11, ZIP_HOST_VFAT = 14 };

typedef struct CentralEntry {
    unsigned hostSystem;
    unsigned versionNeeded; /* times ten: 20 is 2.0 */
    unsigned flags;
    unsigned method;
    unsigned dosTime, dosDate;
    unsigned long crc;
    unsigned long compressedSize;
    unsigned long uncompressedSize;
    unsigned nameLength, extraLength, commentLength;
    unsigned long externalAttributes;
    unsigned long localOffset;
    int hasUnixTime;
    time_t unixTime; /* modification time from an extra block, when hasUnixTime */
    char name[CENTRAL_NAME_MAX + 1];
} CentralEntry;

/* Fills the fixed fields from the 46 header bytes; returns 0 when the signature is right. */
int CentralEntry_ParseHeader(CentralEntry* entry, const unsigned char* header);
/* Takes the modification time from the extended time stamp (0x5455) or the old Info-ZIP Unix block (0x5855).
 */
void CentralEntry_ParseExtra(CentralEntry* entry, const unsigned char* extra, unsigned length);
/* The modification time: from an extra block, else the DOS date and time as local time. */
time_t CentralEntry_ModificationTime(const CentralEntry* entry);
/* True when the entry was made on a system with DOS attributes. */
int CentralEntry_HasDosAttributes(const CentralEntry* entry);

#endif
