// The ".ept" file: a 164-byte header followed by the substituted body.
// This header is the one definition of that layout; nothing here touches Windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

constexpr size_t kHeaderSize = 164;
constexpr size_t kNameFieldOffset = 20;
constexpr size_t kNameFieldSize = 100;
constexpr size_t kPasswordFieldOffset = 120;
constexpr size_t kPasswordFieldSize = 20;
constexpr size_t kPasswordLengthOffset = 140;
constexpr size_t kSignatureBOffset = 144;
constexpr size_t kMaxPasswordLength = 20;
constexpr size_t kMaxStoredNameLength = kNameFieldSize - 1;  // the terminator must fit
constexpr unsigned char kFillerByte = 0xCC;

extern const uint32_t kSignatureA[5];
extern const uint32_t kSignatureB[5];

struct FileHeader {
    unsigned char bytes[kHeaderSize];
};
static_assert(sizeof(FileHeader) == kHeaderSize, "FileHeader must be exactly 164 bytes");

// Both signatures match, compared as ten little-endian 32-bit words.
bool hasSignatures(const FileHeader& header);

// The header the encryption run writes: filler everywhere, then the signatures,
// the encoded name (see storedNameFor) and the encoded password.
// The password must be at most kMaxPasswordLength characters.
FileHeader buildHeader(const std::string& sourceName, const std::string& password);

// The name actually stored for a source name. Names longer than 99 characters are
// shortened, keeping their extension, so the terminator always fits the field.
std::string storedNameFor(const std::string& sourceName);

// Low-level encodings, exposed for tests and tools.
void encodeName(const std::string& name, unsigned char field[kNameFieldSize]);
void encodePassword(const std::string& password, unsigned char field[kPasswordFieldSize]);

enum class HeaderProblem { None, NameUnterminated, PasswordTooLong };

struct HeaderFields {
    HeaderProblem problem = HeaderProblem::None;
    std::string storedName;
    std::string password;  // empty when the file has none
};

// Decodes the name and password; decoding never leaves their fields. A damaged
// header (no terminator in the name field, a length byte above 20) is reported
// instead of guessed at.
HeaderFields readHeaderFields(const FileHeader& header);
