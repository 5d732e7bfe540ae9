#include "main/run_state.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct RequestCase {
    const char* what;
    const char* destination;
    const char* password;
};

const RequestCase kRequestCases[] = {
    {"no password", "C:\\DOCS\\REPORT.EPT", ""},
    {"one character", "C:\\A.EPT", "x"},
    {"twenty characters", "C:\\A.EPT", "abcdefghijABCDEFGHIJ"},
    {"password with blanks and symbols", "C:\\A B\\C.EPT", " p@ss word$"},
};

TEST(RunRequest, StoredAsTheRunReadsIt) {
    for (const RequestCase& c : kRequestCases) {
        char buffer[kMessageBufferSize];
        std::memset(buffer, 'Z', sizeof buffer);
        std::strcpy(buffer, c.destination);
        ASSERT_TRUE(storeRunRequest(buffer, c.password)) << c.what;
        const size_t at = std::strlen(c.destination);
        EXPECT_EQ(buffer[at + 1], static_cast<char>(std::strlen(c.password))) << c.what << ": length byte";
        const RunRequest request = readRunRequest(buffer);
        EXPECT_EQ(request.destination, c.destination) << c.what;
        EXPECT_EQ(request.password, c.password) << c.what;
    }
}

TEST(RunRequest, RefusesWhatDoesNotFit) {
    char buffer[kMessageBufferSize] = {};
    std::strcpy(buffer, "C:\\A.EPT");
    EXPECT_FALSE(storeRunRequest(buffer, "abcdefghijABCDEFGHIJK")) << "21 characters are never stored";

    std::memset(buffer, 'D', kMessageBufferSize - 10);
    buffer[kMessageBufferSize - 10] = '\0';
    EXPECT_FALSE(storeRunRequest(buffer, "abcdefghij")) << "password must fit behind the destination";
    EXPECT_TRUE(storeRunRequest(buffer, "abcdefgh"));
}

TEST(RunRequest, DamagedLengthByteReadsAsNoPassword) {
    const signed char lengths[] = {-1, 21, 127};
    for (signed char length : lengths) {
        char buffer[kMessageBufferSize] = {};
        std::strcpy(buffer, "C:\\A.EPT");
        buffer[9] = static_cast<char>(length);
        const RunRequest request = readRunRequest(buffer);
        EXPECT_EQ(request.destination, "C:\\A.EPT");
        EXPECT_EQ(request.password, "") << "length byte " << int(length);
    }
}

}  // namespace
