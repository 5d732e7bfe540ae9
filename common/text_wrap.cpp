#include "common/text_wrap.h"

#include <cstring>

namespace {

const char kTab = '\t';
const char kLineMark = '$';

// Inserts one space at `at`; the rest of the text, terminator included, moves right.
void insertSpace(char* at) {
    std::memmove(at + 1, at, std::strlen(at) + 1);
    *at = ' ';
}

// Pads the line `line`[0, breakAt) with up to `missing` extra spaces, one per gap,
// from its right end leftwards. Returns the new break position.
int padLine(char* line, int breakAt, int missing) {
    for (int p = breakAt - 1; p > 0 && missing > 0; p--) {
        if (line[p] == kLineMark) break;
        if (line[p] != ' ') continue;
        insertSpace(line + p);
        breakAt++;
        missing--;
    }
    return breakAt;
}

// A line of `width` characters without a space: the line runs on to the next space
// (or to the end of the text) rather than splitting a word.
int firstSpaceFrom(const char* line, int from) {
    const char* space = std::strchr(line + from, ' ');
    return space ? static_cast<int>(space - line) : -1;
}

}  // namespace

void wrapJustified(char* text, int width) {
    if (!text || width <= 0) return;
    char* line = text;
    for (;;) {
        // A TAB ends a paragraph, except at the very start of a line.
        const size_t length = std::strlen(line);
        int tabAt = -1;
        for (int p = 1; p < width && static_cast<size_t>(p) < length; p++) {
            if (line[p] == kTab) {
                tabAt = p;
                break;
            }
        }
        if (tabAt > 0) {
            line[tabAt] = kLineMark;
            line += tabAt + 1;
            continue;
        }

        if (length <= static_cast<size_t>(width)) return;

        int breakAt = width;
        if (line[width] != ' ') {
            breakAt = -1;
            for (int p = width - 1; p >= 0; p--) {
                if (line[p] == ' ') {
                    breakAt = p;
                    break;
                }
            }
            if (breakAt < 0) {
                breakAt = firstSpaceFrom(line, width);
                if (breakAt < 0) return;
            } else {
                breakAt = padLine(line, breakAt, width - breakAt);
            }
        }
        line[breakAt] = kLineMark;
        line += breakAt + 1;
    }
}
