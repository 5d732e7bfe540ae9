// Where every window's title starts: centred, each character advancing 14 pixels.
#pragma once

#include <cstring>

constexpr int kTitleAdvance = 14;  // font width 15, spacing -1

inline int titleX(const char* title, int windowWidth = 788) {
    return (windowWidth - kTitleAdvance * static_cast<int>(std::strlen(title))) / 2;
}
