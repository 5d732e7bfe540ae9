#include "main/file_format.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

std::vector<unsigned char> bytesAt(const FileHeader& h, size_t offset, size_t n) {
    return std::vector<unsigned char>(h.bytes + offset, h.bytes + offset + n);
}

TEST(FileFormat, SignaturesAsBytes) {
    const FileHeader h = buildHeader("a", "");
    const std::vector<unsigned char> a = {0x56, 0x63, 0x5A, 0x22, 0xE6, 0xA5, 0x85, 0x00, 0x67, 0x12,
                                          0xDA, 0xB5, 0x0C, 0x22, 0xF3, 0x2E, 0x22, 0x04, 0x00, 0x00};
    const std::vector<unsigned char> b = {0xF8, 0x0C, 0x01, 0x00, 0xD9, 0x39, 0x18, 0xFA, 0x72, 0x8F,
                                          0xA7, 0x00, 0xC0, 0xFD, 0xFF, 0xFF, 0x32, 0xE3, 0x42, 0x82};
    EXPECT_EQ(bytesAt(h, 0, 20), a);
    EXPECT_EQ(bytesAt(h, 144, 20), b);
    EXPECT_TRUE(hasSignatures(h));
}

TEST(FileFormat, NameAndPasswordVectors) {
    const FileHeader h = buildHeader("abc.txt", "abc");
    EXPECT_EQ(bytesAt(h, 20, 8), (std::vector<unsigned char>{0x8B, 0x87, 0x8B, 0xD1, 0x9C, 0x9D, 0x9E, 0x00}));
    EXPECT_EQ(bytesAt(h, 120, 3), (std::vector<unsigned char>{0x62, 0x8E, 0x54}));
    EXPECT_EQ(h.bytes[140], 3);
    // Everything the header does not set is filler.
    for (size_t i = 28; i < 120; i++) EXPECT_EQ(h.bytes[i], 0xCC) << "offset " << i;
    for (size_t i = 123; i < 140; i++) EXPECT_EQ(h.bytes[i], 0xCC) << "offset " << i;
    for (size_t i = 141; i < 144; i++) EXPECT_EQ(h.bytes[i], 0xCC) << "offset " << i;
}

TEST(FileFormat, OneWrongByteInEitherSignatureIsNotAHeader) {
    for (size_t offset : {size_t(0), size_t(7), size_t(19), size_t(144), size_t(151), size_t(163)}) {
        FileHeader h = buildHeader("x", "");
        h.bytes[offset] ^= 0x01;
        EXPECT_FALSE(hasSignatures(h)) << "flipped byte at " << offset;
    }
}

}  // namespace
