#include "common/text_wrap.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::string wrapped(const std::string& text, int width) {
    std::vector<char> buffer(text.size() * 2 + 16, '\0');
    std::memcpy(buffer.data(), text.c_str(), text.size() + 1);
    wrapJustified(buffer.data(), width);
    return buffer.data();
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t mark; (mark = text.find('$', start)) != std::string::npos; start = mark + 1) {
        lines.push_back(text.substr(start, mark - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

struct WrapCase {
    const char* what;
    const char* text;
    int width;
    const char* expected;
};

const WrapCase kWrapCases[] = {
    {"short text comes back unchanged", "hello world", 20, "hello world"},
    {"exactly width characters, unchanged", "ab cd", 5, "ab cd"},
    {"break on the space at position width", "ab cd ef", 5, "ab cd$ef"},
    {"one extra space fills the line", "ab cd efg", 6, "ab  cd$efg"},
    {"padding goes right to left, one per gap", "a b cd efgh", 8, "a  b  cd$efgh"},
    {"too few gaps: the line stays short", "a bcdefg hi", 10, "a  bcdefg$hi"},
    {"position 0 of a line is never padded", " abcdef gh", 8, " abcdef$gh"},
    {"a $ of the text stops the padding", "a b$cd efgh", 8, "a b$cd$efgh"},
    {"TAB inside the line ends the paragraph", "x\tyz", 5, "x$yz"},
    {"TAB at position width-1 ends the paragraph", "abcd\tef", 5, "abcd$ef"},
    {"TAB beyond the line waits for the next line", "ab cd\tef", 5, "ab$cd$ef"},
    {"TAB at position 0 of a line is no mark", "abcde \tfg", 5, "abcde$\tfg"},
    {"TAB at position 0 of the text is no mark", "\tab", 5, "\tab"},
    {"several lines", "aa bb cc dd ee ff", 5, "aa bb$cc dd$ee ff"},
    {"a word longer than the line runs to the next space", "abcdefgh ij", 5, "abcdefgh$ij"},
    {"a word longer than the line with no space at all", "abcdefgh", 5, "abcdefgh"},
    {"width 0 changes nothing", "ab cd", 0, "ab cd"},
    {"empty text", "", 5, ""},
};

TEST(WrapJustified, Cases) {
    for (const WrapCase& c : kWrapCases) {
        EXPECT_EQ(wrapped(c.text, c.width), c.expected) << c.what << ": '" << c.text << "' at " << c.width;
    }
}

const char kAboutText[] =
    "   This software can encode any type of files into strongly encrypted files with the extension of '.ept' "
    "to keep the original files confidential from unauthorized users. The encrypted files are protected by the "
    "following two levels of security:\t  1. PASSWORD: During encrypting a file password can be provided to "
    "prevent decryption of the encrypted file without the password.\t  2. STRONG ENCRYPTION CODE: The data in "
    "the encrypted files are encrypted with a very strong code which can not be extracted without this software.";

TEST(WrapJustified, AboutTextAt71) {
    char buffer[600] = {};
    std::strcpy(buffer, kAboutText);
    ASSERT_EQ(std::strlen(buffer), 524u);
    wrapJustified(buffer, 71);
    EXPECT_EQ(std::strlen(buffer), 550u) << "the about text must grow to 550 bytes within its 600-byte buffer";
    EXPECT_EQ(std::strchr(buffer, '\t'), nullptr) << "both TABs become line marks";

    const std::vector<std::string> lines = linesOf(buffer);
    ASSERT_EQ(lines.size(), 9u);
    for (const std::string& line : lines) EXPECT_LE(line.size(), 71u) << "line '" << line << "'";
    EXPECT_EQ(lines[0], "   This software can encode any type of files into  strongly  encrypted");
    EXPECT_EQ(lines[3], "by the following two levels of security:") << "a paragraph end is not padded";
    EXPECT_EQ(lines[4].substr(0, 5), "  1. ") << "the two spaces after a TAB stay";
    EXPECT_EQ(lines[6].substr(0, 5), "  2. ");
    EXPECT_EQ(lines[8], "this software.");
}

}  // namespace
