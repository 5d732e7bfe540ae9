#include "main/cipher.h"

#include <gtest/gtest.h>

TEST(Cipher, DecryptTableIsTheExactInverseOfAPermutation) {
    bool seen[256] = {};
    for (int b = 0; b < 256; b++) {
        const unsigned char e = kEncryptTable[b];
        EXPECT_FALSE(seen[e]) << "value " << int(e) << " occurs twice in the encryption table";
        seen[e] = true;
        EXPECT_EQ(kDecryptTable[e], b) << "D[E[" << b << "]]";
    }
}
