#include <gtest/gtest.h>

#include <functional>

#include "tools/resgen/installer_pictures.h"

namespace {

struct PictureCase {
    const char* what;
    std::function<Image()> draw;
    int width, height;
    bool blackIsTransparent;  // drawn with TransparentBlt: black shows the skin
};

const Rgb kBlack{0, 0, 0};

TEST(InstallerPictures, SizesAndTransparency) {
    const PictureCase cases[] = {
        {"107 skin", installerSkin, 768, 450, false},
        {"109 banner", installerBanner, 703, 116, true},
        {"110 display pattern", displayPattern, 780, 502, false},
        {"111 frame pattern", framePattern, 500, 200, false},
        {"112 welcome picture", welcomePicture, 682, 250, true},
        {"113 full bar", fullProgressBar, 679, 28, false},
        {"115 slide", slideDecrypt, 739, 180, true},
        {"116 slide", slideEncrypt, 746, 192, true},
        {"121 slide", slidePadlock, 183, 192, true},
    };
    for (const PictureCase& c : cases) {
        const Image image = c.draw();
        EXPECT_EQ(image.width, c.width) << c.what;
        EXPECT_EQ(image.height, c.height) << c.what;
        size_t black = 0;
        for (const Rgb& pixel : image.pixels) black += pixel == kBlack;
        if (c.blackIsTransparent) {
            // Mostly see-through around what it shows, and something is shown.
            EXPECT_TRUE(image.at(0, 0) == kBlack) << c.what << ": corner is not transparent";
            EXPECT_GT(black, image.pixels.size() / 3) << c.what;
            EXPECT_LT(black, image.pixels.size()) << c.what << ": nothing drawn";
        } else {
            EXPECT_EQ(black, 0u) << c.what << ": an opaque picture has black pixels";
        }
    }
}

TEST(InstallerPictures, IconHasTransparentCorners) {
    const IconImage icon = installerIcon();
    ASSERT_EQ(icon.picture.width, 32);
    ASSERT_EQ(icon.picture.height, 32);
    EXPECT_FALSE(icon.opaque[0]) << "top left corner";
    EXPECT_TRUE(icon.opaque[20 * 32 + 16]) << "the lock's body";
}

}  // namespace
