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

TEST(FileFormat, NoPasswordLeavesTheFieldFillerAndTwentyCharactersFillIt) {
    const FileHeader none = buildHeader("a.txt", "");
    EXPECT_EQ(none.bytes[140], 0);
    for (size_t i = 120; i < 140; i++) EXPECT_EQ(none.bytes[i], 0xCC) << "offset " << i << " without a password";

    const FileHeader full = buildHeader("a.txt", "abcdefghijklmnopqrst");
    EXPECT_EQ(full.bytes[140], 20);
    // Position 19 (odd) holds the first character: 'a' + 2*19 + 42.
    EXPECT_EQ(full.bytes[139], static_cast<unsigned char>('a' + 80));
    // Position 0 (even) holds the last character: 't' - 1.
    EXPECT_EQ(full.bytes[120], static_cast<unsigned char>('t' - 1));
}

struct RoundTripCase {
    const char* what;
    std::string name;
    std::string password;
};

TEST(FileFormat, NameAndPasswordSurviveTheHeader) {
    std::string highBytes;
    for (int c = 0x80; c < 0xFF; c += 7) highBytes.push_back(static_cast<char>(c));
    const RoundTripCase cases[] = {
        {"plain name and password", "REPORT.DOC", "secret"},
        {"empty password", "abc.txt", ""},
        {"20-character password", "x", "01234567890123456789"},
        {"password bytes that wrap below 0 and above 255", "x", std::string("\x01\x02\xFE\xFF\x00\x80", 6)},
        {"99-character name, the longest that fits", std::string(95, 'n') + ".txt", "pw"},
        {"name with blanks and bytes above 0x7F", "my file " + highBytes + ".dat", "\xE4\xF6"},
    };
    for (const RoundTripCase& c : cases) {
        const HeaderFields fields = readHeaderFields(buildHeader(c.name, c.password));
        EXPECT_EQ(fields.problem, HeaderProblem::None) << c.what;
        EXPECT_EQ(fields.storedName, c.name) << c.what;
        EXPECT_EQ(fields.password, c.password) << c.what;
    }
}

TEST(FileFormat, ByteFFInANameEndsTheStoredName) {
    // The name is stored reversed, so decoding keeps what followed the 0xFF.
    const FileHeader h = buildHeader(
        "ab\xFF"
        "cd",
        "");
    EXPECT_EQ(h.bytes[22], 0x00) << "255 - 0xFF lands where the name's third-last character is stored";
    EXPECT_EQ(readHeaderFields(h).storedName, "cd");
}

struct StoredNameCase {
    const char* what;
    std::string sourceName;
    std::string expected;
};

TEST(FileFormat, LongNamesAreShortenedKeepingTheirExtension) {
    const StoredNameCase cases[] = {
        {"99 characters stay", std::string(95, 'a') + ".txt", std::string(95, 'a') + ".txt"},
        {"100 characters lose one before the extension", std::string(96, 'a') + ".txt", std::string(95, 'a') + ".txt"},
        {"a long name without a dot is cut", std::string(150, 'b'), std::string(99, 'b')},
        {"an overlong extension is no extension", std::string(60, 'c') + "." + std::string(60, 'd'),
         std::string(60, 'c') + "." + std::string(38, 'd')},
        {"only the last dot counts", std::string(120, 'e') + ".tar.gz", std::string(96, 'e') + ".gz"},
    };
    for (const StoredNameCase& c : cases) {
        const std::string stored = storedNameFor(c.sourceName);
        EXPECT_EQ(stored, c.expected) << c.what;
        EXPECT_LE(stored.size(), kMaxStoredNameLength) << c.what;
        const HeaderFields fields = readHeaderFields(buildHeader(c.sourceName, ""));
        EXPECT_EQ(fields.problem, HeaderProblem::None) << c.what;
        EXPECT_EQ(fields.storedName, c.expected) << c.what << ": the header holds the shortened name";
    }
}

TEST(FileFormat, DamagedHeadersAreReportedNotGuessedAt) {
    FileHeader unterminated = buildHeader("abc.txt", "pw");
    std::memset(unterminated.bytes + kNameFieldOffset, 0x41, kNameFieldSize);
    const HeaderFields noEnd = readHeaderFields(unterminated);
    EXPECT_EQ(noEnd.problem, HeaderProblem::NameUnterminated);
    EXPECT_TRUE(noEnd.storedName.empty()) << "got '" << noEnd.storedName << "'";

    for (unsigned length : {21u, 100u, 255u}) {
        FileHeader h = buildHeader("abc.txt", "pw");
        h.bytes[kPasswordLengthOffset] = static_cast<unsigned char>(length);
        const HeaderFields fields = readHeaderFields(h);
        EXPECT_EQ(fields.problem, HeaderProblem::PasswordTooLong) << "length byte " << length;
        EXPECT_TRUE(fields.password.empty()) << "length byte " << length << ": got '" << fields.password << "'";
    }

    // A length of 20 over filler is damaged too, but stays inside the field.
    FileHeader twenty = buildHeader("abc.txt", "");
    twenty.bytes[kPasswordLengthOffset] = 20;
    const HeaderFields fields = readHeaderFields(twenty);
    EXPECT_EQ(fields.problem, HeaderProblem::None);
    EXPECT_EQ(fields.password.size(), 20u);
}

}  // namespace
