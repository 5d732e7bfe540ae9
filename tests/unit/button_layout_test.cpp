#include "installer/controls/button_layout.h"

#include <gtest/gtest.h>

namespace {

struct ShapeCase {
    int width, height, x, y;
    bool inside;
    const char* what;
};

const ShapeCase kShapes[] = {
    {100, 30, 0, 0, false, "top left corner"},
    {100, 30, 99, 29, false, "bottom right corner"},
    {100, 30, 99, 0, false, "top right corner"},
    {100, 30, 0, 15, true, "left end, middle"},
    {100, 30, 15, 0, true, "top edge above the left centre"},
    {100, 30, 50, 29, true, "bottom edge in the middle"},
    {100, 30, 85, 15, true, "right centre"},
    {100, 30, 99, 15, true, "right end, middle"},
    {100, 30, 3, 4, false, "just outside the left arc"},
    {100, 30, 5, 5, true, "just inside the left arc"},
    {30, 20, 0, 0, false, "small button corner"},
    {30, 20, 15, 19, true, "small button bottom middle"},
};

TEST(ButtonLayout, Shape) {
    for (const ShapeCase& c : kShapes) {
        EXPECT_EQ(insideButtonShape(c.width, c.height, c.x, c.y), c.inside) << c.what;
    }
}

TEST(ButtonLayout, CaptionPosition) {
    CaptionLayout forward{100, 30, 8, 18, 0, -4};  // "NEXT" at creation
    EXPECT_EQ(captionTop(forward, 1), 8);
    EXPECT_EQ(captionLineLeft(forward, 4), 6 + (92 - 32) / 2 - 4);
    EXPECT_EQ(captionLineLeft(forward, 7), 6 + (92 - 56) / 2 - 4) << "INSTALL keeps NEXT's offset";
    CaptionLayout exit{30, 20, 8, 18, 0, -1};
    EXPECT_EQ(captionTop(exit, 1), 4) << "the division truncates towards zero";
    EXPECT_EQ(captionLineLeft(exit, 1), 12);
    EXPECT_EQ(captionTop(forward, 2), (30 - 7 - 18 - 18) / 2 + 6);
}

}  // namespace
