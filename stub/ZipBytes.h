/* Little-endian fields and record signatures of the ZIP format (PKWARE APPNOTE 4.3). */
#ifndef PLS_STUB_ZIP_BYTES_H
#define PLS_STUB_ZIP_BYTES_H

static inline unsigned ZipLe16(const unsigned char* p) {
    return (unsigned)p[0] | (unsigned)p[1] << 8;
}

static inline unsigned long ZipLe32(const unsigned char* p) {
    return (unsigned long)ZipLe16(p) | (unsigned long)ZipLe16(p + 2) << 16;
}

/* "PK" followed by the record kind; APPNOTE 4.3.7, 4.3.12, 4.3.16. */
static inline int ZipIsSignature(const unsigned char* p, unsigned char kind1, unsigned char kind2) {
    return p[0] == 'P' && p[1] == 'K' && p[2] == kind1 && p[3] == kind2;
}

enum {
    ZIP_END_RECORD_SIZE = 22,
    ZIP_CENTRAL_HEADER_SIZE = 46,
    ZIP_LOCAL_HEADER_SIZE = 30,
    ZIP_END_SEARCH_SPAN = 66000
};

#endif
