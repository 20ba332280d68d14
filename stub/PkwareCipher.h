/* The traditional PKWARE encryption (APPNOTE 6.1), decrypting side. */
#ifndef PLS_STUB_PKWARE_CIPHER_H
#define PLS_STUB_PKWARE_CIPHER_H

#include <stddef.h>

enum { PKWARE_HEADER_SIZE = 12 };

typedef struct PkwareCipher {
    unsigned long keys[3];
} PkwareCipher;

/* Keys for the password, then the 12-byte encryption header decrypted; returns 1 when its last byte
 * matches checkByte (the high byte of the CRC, or of the DOS time when sizes follow the data). */
int PkwareCipher_Start(PkwareCipher* cipher, const char* password, const unsigned char* header,
                       unsigned checkByte);
void PkwareCipher_Decrypt(PkwareCipher* cipher, unsigned char* data, size_t length);

#endif
