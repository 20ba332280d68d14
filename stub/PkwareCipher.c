#include "PkwareCipher.h"

#include <zlib.h>

static unsigned long CrcStep(unsigned long crc, unsigned char byte) {
    const z_crc_t* table = get_crc_table();
    return table[(crc ^ byte) & 0xff] ^ (crc >> 8);
}

static void UpdateKeys(PkwareCipher* cipher, unsigned char plain) {
    cipher->keys[0] = CrcStep(cipher->keys[0], plain);
    cipher->keys[1] = (cipher->keys[1] + (cipher->keys[0] & 0xff)) & 0xffffffffUL;
    cipher->keys[1] = (cipher->keys[1] * 134775813UL + 1) & 0xffffffffUL;
    cipher->keys[2] = CrcStep(cipher->keys[2], (unsigned char)(cipher->keys[1] >> 24));
}

static unsigned char KeyStreamByte(const PkwareCipher* cipher) {
    unsigned temp = (unsigned)(cipher->keys[2] | 2) & 0xffff;
    return (unsigned char)((temp * (temp ^ 1)) >> 8);
}

void PkwareCipher_Decrypt(PkwareCipher* cipher, unsigned char* data, size_t length) {
    for (size_t i = 0; i < length; ++i) {
        data[i] ^= KeyStreamByte(cipher);
        UpdateKeys(cipher, data[i]);
    }
}

int PkwareCipher_Start(PkwareCipher* cipher, const char* password, const unsigned char* header,
                       unsigned checkByte) {
    cipher->keys[0] = 305419896UL;
    cipher->keys[1] = 591751049UL;
    cipher->keys[2] = 878082192UL;
    for (const char* p = password; *p; ++p)
        UpdateKeys(cipher, (unsigned char)*p);
    unsigned char plain[PKWARE_HEADER_SIZE];
    for (int i = 0; i < PKWARE_HEADER_SIZE; ++i)
        plain[i] = header[i];
    PkwareCipher_Decrypt(cipher, plain, PKWARE_HEADER_SIZE);
    return plain[PKWARE_HEADER_SIZE - 1] == checkByte;
}
