#include "main/file_format.h"

#include <algorithm>
#include <cstring>

const uint32_t kSignatureA[5] = {0x225A6356, 0x0085A5E6, 0xB5DA1267, 0x2EF3220C, 0x00000422};
const uint32_t kSignatureB[5] = {0x00010CF8, 0xFA1839D9, 0x00A78F72, 0xFFFFFDC0, 0x8242E332};

namespace {

uint32_t wordAt(const unsigned char* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

void putWord(unsigned char* p, uint32_t w) {
    p[0] = static_cast<unsigned char>(w);
    p[1] = static_cast<unsigned char>(w >> 8);
    p[2] = static_cast<unsigned char>(w >> 16);
    p[3] = static_cast<unsigned char>(w >> 24);
}

bool wordsMatch(const unsigned char* p, const uint32_t (&signature)[5]) {
    for (int i = 0; i < 5; i++) {
        if (wordAt(p + 4 * i) != signature[i]) return false;
    }
    return true;
}

}  // namespace

bool hasSignatures(const FileHeader& header) {
    return wordsMatch(header.bytes, kSignatureA) && wordsMatch(header.bytes + kSignatureBOffset, kSignatureB);
}

std::string storedNameFor(const std::string& sourceName) {
    if (sourceName.size() <= kMaxStoredNameLength) return sourceName;
    size_t dot = sourceName.rfind('.');
    std::string extension;
    // Keep a sensible extension; an overlong "extension" is just part of the name.
    if (dot != std::string::npos && sourceName.size() - dot <= 16) extension = sourceName.substr(dot);
    return sourceName.substr(0, kMaxStoredNameLength - extension.size()) + extension;
}

void encodeName(const std::string& name, unsigned char field[kNameFieldSize]) {
    const size_t n = std::min(name.size(), kMaxStoredNameLength);
    for (size_t i = 0; i < n; i++) {
        field[i] = static_cast<unsigned char>(255 - static_cast<unsigned char>(name[n - 1 - i]));
    }
    field[n] = 0x00;
}

void encodePassword(const std::string& password, unsigned char field[kPasswordFieldSize]) {
    const size_t n = std::min(password.size(), kMaxPasswordLength);
    for (size_t k = 0; k < n; k++) {
        const unsigned j = static_cast<unsigned>(n - 1 - k);
        const unsigned p = static_cast<unsigned char>(password[k]);
        const unsigned stored = (j % 2 == 0) ? p - (6 * j + 1) : p + 2 * j + 42;
        field[j] = static_cast<unsigned char>(stored & 0xFF);
    }
}

FileHeader buildHeader(const std::string& sourceName, const std::string& password) {
    FileHeader header;
    std::memset(header.bytes, kFillerByte, sizeof header.bytes);
    for (int i = 0; i < 5; i++) {
        putWord(header.bytes + 4 * i, kSignatureA[i]);
        putWord(header.bytes + kSignatureBOffset + 4 * i, kSignatureB[i]);
    }
    encodeName(storedNameFor(sourceName), header.bytes + kNameFieldOffset);
    const size_t n = std::min(password.size(), kMaxPasswordLength);
    encodePassword(password, header.bytes + kPasswordFieldOffset);
    header.bytes[kPasswordLengthOffset] = static_cast<unsigned char>(n);
    return header;
}

HeaderFields readHeaderFields(const FileHeader& header) {
    HeaderFields fields;
    const unsigned char* name = header.bytes + kNameFieldOffset;
    const unsigned char* end = static_cast<const unsigned char*>(std::memchr(name, 0, kNameFieldSize));
    if (!end) {
        fields.problem = HeaderProblem::NameUnterminated;
        return fields;
    }
    for (const unsigned char* p = end; p != name;) {
        --p;
        fields.storedName.push_back(static_cast<char>(255 - *p));
    }

    const unsigned n = header.bytes[kPasswordLengthOffset];
    if (n > kMaxPasswordLength) {
        fields.problem = HeaderProblem::PasswordTooLong;
        return fields;
    }
    for (unsigned j = n; j-- > 0;) {
        const unsigned b = header.bytes[kPasswordFieldOffset + j];
        const unsigned c = (j % 2 == 0) ? b + 6 * j + 1 : b - 2 * j - 42;
        // Field order is the password reversed, so j = n-1 is the first character.
        fields.password.push_back(static_cast<char>(c & 0xFF));
    }
    return fields;
}
