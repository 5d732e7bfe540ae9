#include "common/gradient.h"

#include <gtest/gtest.h>

namespace {

uint32_t rgb(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }

struct GradientCase {
    const char* what;
    GradientColours colours;
    double t;
    uint32_t expected;
};

const GradientCase kGradientCases[] = {
    {"t = 0 is the start colour", {255, 0, 0, 0, 0, 0}, 0.0, rgb(255, 0, 0)},
    {"red is the low byte, blue the high one", {1, 2, 3, 1, 2, 3}, 0.5, rgb(1, 2, 3)},
    {"rising component truncates", {0, 0, 0, 255, 255, 255}, 0.5, rgb(127, 127, 127)},
    {"falling component truncates toward zero", {255, 255, 255, 0, 0, 0}, 0.5, rgb(127, 127, 127)},
    {"the title's last character (t = 20/21)", {17, 255, 215, 17, 0, 215}, 20.0 / 21, rgb(17, 12, 215)},
    {"the last character never reaches the end", {0, 0, 0, 255, 255, 255}, 7.0 / 8, rgb(223, 223, 223)},
    {"negative value truncates toward zero, low 8 bits", {0, 0, 0, -10, 0, 0}, 0.55, rgb(251, 0, 0)},
    {"value above 255 keeps its low 8 bits", {0, 0, 0, 600, 0, 0}, 0.5, rgb(44, 0, 0)},
};

TEST(GradientColour, Cases) {
    for (const GradientCase& c : kGradientCases) {
        EXPECT_EQ(gradientColour(c.colours, c.t), c.expected)
            << c.what << ": got 0x" << std::hex << gradientColour(c.colours, c.t) << ", expected 0x" << c.expected;
    }
}

}  // namespace
