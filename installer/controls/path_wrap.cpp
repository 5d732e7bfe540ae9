#include "installer/controls/path_wrap.h"

#include <cstring>

namespace {

// Opens a gap of one character at `at` by moving the rest, NUL included, right.
bool insertCopy(char* text, size_t capacity, size_t at, char c) {
    size_t length = std::strlen(text);
    if (length + 2 > capacity) return false;
    std::memmove(text + at + 1, text + at, length - at + 1);
    text[at] = c;
    return true;
}

// Pads the line that starts at `line` and breaks at line + *breakAt with up to
// `missing` extra spaces, one per gap, from its right end leftwards.
bool padLine(char* text, size_t capacity, size_t line, int* breakAt, int missing) {
    for (int i = *breakAt - 1; i > 0 && missing > 0; --i) {
        char c = text[line + static_cast<size_t>(i)];
        if (c == '$') break;
        if (c != ' ') continue;
        if (!insertCopy(text, capacity, line + static_cast<size_t>(i), ' ')) return false;
        ++*breakAt;
        --missing;
    }
    return true;
}

}  // namespace

void wrapJustifiedPaths(char* text, size_t capacity, int width) {
    if (width <= 0) return;
    const size_t w = static_cast<size_t>(width);
    size_t line = 0;
    for (;;) {
        char* start = text + line;
        size_t tab = 1;
        while (tab < w && start[tab] != '\0' && start[tab] != '\t') ++tab;
        if (tab < w && start[tab] == '\t') {
            start[tab] = '$';
            line += tab + 1;
            continue;
        }
        if (std::strlen(start) <= w) return;

        int breakAt = width;
        if (start[w] == '\\') {
            // The line keeps its full width; the next one starts with the separator.
            if (!insertCopy(text, capacity, line + w, '\\')) return;
        } else if (start[w] != ' ') {
            int space = -1;
            int backslash = -1;
            for (int i = width - 1; i >= 0 && (space < 0 || backslash < 0); --i) {
                if (start[i] == ' ' && space < 0) space = i;
                if (start[i] == '\\' && backslash < 0) backslash = i;
            }
            if (backslash > space) {
                if (!insertCopy(text, capacity, line + static_cast<size_t>(backslash), '\\')) return;
                breakAt = backslash + 1;
            } else if (space >= 0) {
                breakAt = space;
            } else {
                // One word longer than the line: it runs on to the next space, as
                // wrapJustified does, rather than being split.
                char* next = std::strchr(start + w, ' ');
                if (next == nullptr) return;
                *next = '$';
                line += static_cast<size_t>(next - start) + 1;
                continue;
            }
            if (!padLine(text, capacity, line, &breakAt, width - breakAt)) return;
        }
        text[line + static_cast<size_t>(breakAt)] = '$';
        line += static_cast<size_t>(breakAt) + 1;
    }
}
