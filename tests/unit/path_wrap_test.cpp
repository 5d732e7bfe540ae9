#include "installer/controls/path_wrap.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::string wrapped(const std::string& text, int width, size_t capacity = 2048) {
    std::vector<char> buffer(capacity + 8, '#');  // guard bytes past the capacity
    std::memcpy(buffer.data(), text.c_str(), text.size() + 1);
    wrapJustifiedPaths(buffer.data(), capacity, width);
    for (size_t i = capacity; i < buffer.size(); ++i) EXPECT_EQ(buffer[i], '#') << "wrote past the capacity";
    return buffer.data();
}

struct PathWrapCase {
    const char* what;
    const char* text;
    int width;
    const char* expected;
};

const PathWrapCase kPathWraps[] = {
    {"backslash nearer than the space, padded", "C:\\Program Files\\Pelk Softwares\\App\\", 20,
     "C:\\Program  Files\\$Pelk Softwares\\App\\"},
    {"spaces and backslashes in turn", "C:\\Program Files\\Pelk Softwares\\App\\", 12,
     "C:\\Program$Files\\Pelk$Softwares\\$App\\"},
    {"padding in front of a backslash break", "x Apps\\Pelk\\Z\\", 8, "x  Apps\\$Pelk\\Z\\"},
    {"no spaces at all", "D:\\A\\BB\\CCC", 5, "D:\\A\\$BB\\$CCC"},
    {"backslash at the width starts the next line", "ab cd\\ef", 5, "ab cd$\\ef"},
    {"space at the width as in wrapJustified", "ab cd ef", 5, "ab cd$ef"},
    {"plain words as in wrapJustified", "ab cd efg", 6, "ab  cd$efg"},
    {"TAB ends a paragraph", "ab\tcd ef gh", 6, "ab$cd  ef$gh"},
    {"short text unchanged", "C:\\A B\\", 20, "C:\\A B\\"},
    {"word longer than a line runs on", "abcdefghij k", 4, "abcdefghij$k"},
};

TEST(PathWrap, Cases) {
    for (const PathWrapCase& c : kPathWraps) {
        EXPECT_EQ(wrapped(c.text, c.width), c.expected) << c.what;
    }
}

TEST(PathWrap, SuccessTextOnTheSuccessDisplay) {
    // The success display: (728 - 10 - 10) / 10 = 70 characters per line.
    const std::string text =
        "    ZORVANEX(version-3.1) had been successfully installed. For more information read the \"README.TXT\" "
        "in your installation directory: \"C:\\Program Files\\Pelk Softwares\\ZORVANEX(version-3.1)\\\"";
    std::string out = wrapped(text, 70);
    size_t start = 0;
    for (size_t mark; (mark = out.find('$', start)) != std::string::npos; start = mark + 1) {
        EXPECT_EQ(mark - start, 70u) << "a full line: '" << out.substr(start, mark - start) << "'";
    }
    EXPECT_LE(out.size() - start, 70u);
    EXPECT_NE(out.find("\\$"), std::string::npos) << "the path breaks after a backslash: " << out;
}

TEST(PathWrap, StopsWhereAnInsertWouldNotFit) {
    const std::string text = "D:\\A\\BB\\CCC";
    // Room for the text and its terminator, none for an inserted backslash.
    EXPECT_EQ(wrapped(text, 5, text.size() + 1), text);
}

}  // namespace
