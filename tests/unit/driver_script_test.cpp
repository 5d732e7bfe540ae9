// The test driver's script words and its BMP files: what every end-to-end test
// relies on to say exactly what it means.
#include <gtest/gtest.h>

#include "tests/driver/picture.h"
#include "tests/driver/script_words.h"

namespace {

struct SplitCase {
    const char* line;
    std::vector<std::string> words;
};

TEST(DriverScript, SplitsWordsAndQuotedTexts) {
    const SplitCase cases[] = {
        {"click EncryptClass1 #423", {"click", "EncryptClass1", "#423"}},
        {"  \tset-text  A  #521   x  ", {"set-text", "A", "#521", "x"}},
        {"expect-box \"A \\\"EPT\\\"\\nB\" OK", {"expect-box", "A \"EPT\"\nB", "OK"}},
        {"set-text A #1 \"C:\\\\a b\\\\c.txt\"", {"set-text", "A", "#1", "C:\\a b\\c.txt"}},
        {"set-text A #1 C:\\a\\b.txt", {"set-text", "A", "#1", "C:\\a\\b.txt"}},  // literal outside quotes
        {"set-text A #1 \"\"", {"set-text", "A", "#1", ""}},
        {"wait-window \"#32770\"\r\n", {"wait-window", "#32770"}},
        {"tab \"a\\tb\"", {"tab", "a\tb"}},
    };
    for (const SplitCase& c : cases) {
        std::vector<std::string> words;
        std::string error;
        EXPECT_TRUE(splitWords(c.line, words, error)) << c.line << ": " << error;
        EXPECT_EQ(words, c.words) << c.line;
    }
}

TEST(DriverScript, RefusesAmbiguousLines) {
    const char* const bad[] = {
        "set-text A #1 \"C:\\x\"",  // a backslash that was meant literally
        "set-text A #1 \"open",     // no closing quote
        "set-text A #1 \"a\"b",     // text glued to a closing quote
        "set-text A #1 a\"b\"",     // quote inside a word
        "set-text A #1 \"ends\\",   // escape at the end
    };
    for (const char* line : bad) {
        std::vector<std::string> words;
        std::string error;
        EXPECT_FALSE(splitWords(line, words, error)) << line;
        EXPECT_FALSE(error.empty()) << line;
    }
}

TEST(DriverScript, StartKeepsTheRestVerbatim) {
    EXPECT_EQ(restAfterFirstWord("start \"C:\\x\\p.exe\" \"Z:\\a b.txt\""), "\"C:\\x\\p.exe\" \"Z:\\a b.txt\"");
    EXPECT_EQ(restAfterFirstWord("start  \"C:\\p.exe\" x \r\n"), "\"C:\\p.exe\" x ");  // trailing blank kept
    EXPECT_EQ(restAfterFirstWord("  start"), "");
}

TEST(DriverScript, CommentsAndBlankLines) {
    EXPECT_FALSE(isCommandLine(""));
    EXPECT_FALSE(isCommandLine("   \t\r\n"));
    EXPECT_FALSE(isCommandLine("  # a note"));
    EXPECT_TRUE(isCommandLine("click A #423"));
}

TEST(DriverScript, Numbers) {
    const struct {
        const char* word;
        bool good;
        long value;
    } cases[] = {
        {"10000", true, 10000}, {"0x1FF", true, 511}, {"-3", true, -3},  {"65535", true, 65535}, {"", false, 0},
        {"12a", false, 0},      {"0x", false, 0},     {"--1", false, 0}, {" 1", false, 0},
    };
    for (const auto& c : cases) {
        long value = 0;
        EXPECT_EQ(parseNumber(c.word, value), c.good) << "[" << c.word << "]";
        if (c.good) {
            EXPECT_EQ(value, c.value) << c.word;
        }
    }
}

TEST(DriverScript, QuotedWordRoundTrips) {
    const std::string text = "C:\\a b\\x.ept IS AN \"ENCRYPTED\" FILE\nDO YOU\tWANT";
    std::vector<std::string> words;
    std::string error;
    ASSERT_TRUE(splitWords("w " + quotedWord(text), words, error)) << error;
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(words[1], text);
}

TEST(DriverPicture, BmpFileLayout) {
    Picture picture;
    picture.width = 2;
    picture.height = 2;
    picture.pixels = {rgbOf(255, 0, 0), rgbOf(0, 255, 0), rgbOf(0, 0, 255), rgbOf(1, 2, 3)};
    const std::vector<unsigned char> bytes = bmpFileBytes(picture);
    // 54 header bytes, two rows of 2 pixels * 3 bytes padded to 8.
    ASSERT_EQ(bytes.size(), 54u + 16u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(bytes[2], 70);   // file size
    EXPECT_EQ(bytes[10], 54);  // pixel data offset
    EXPECT_EQ(bytes[28], 24);  // bits per pixel
    // Bottom row first, each pixel blue, green, red.
    const unsigned char bottom[] = {255, 0, 0, 3, 2, 1, 0, 0};
    const unsigned char top[] = {0, 0, 255, 0, 255, 0, 0, 0};
    EXPECT_EQ(std::vector<unsigned char>(bytes.begin() + 54, bytes.begin() + 62),
              std::vector<unsigned char>(bottom, bottom + 8));
    EXPECT_EQ(std::vector<unsigned char>(bytes.begin() + 62, bytes.end()), std::vector<unsigned char>(top, top + 8));
}

TEST(DriverPicture, DifferingPixels) {
    Picture a;
    a.width = 2;
    a.height = 1;
    a.pixels = {1, 2};
    Picture b = a;
    EXPECT_EQ(differingPixels(a, b), 0u);
    b.pixels[1] = 3;
    EXPECT_EQ(differingPixels(a, b), 1u);
    Picture c;
    c.width = 1;
    c.height = 2;
    c.pixels = {1, 2};
    EXPECT_EQ(differingPixels(a, c), 2u);  // other size: all differ
}

}  // namespace
