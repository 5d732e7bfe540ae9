#include <gtest/gtest.h>

#include <cstdint>

#include "tools/resgen/main_pictures.h"
#include "tools/resgen/picture_files.h"

namespace {

::testing::AssertionResult pixelIs(const Image& image, int x, int y, Rgb expected) {
    const Rgb got = image.at(x, y);
    if (got == expected) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is RGB(" << int(got.r) << ", "
                                         << int(got.g) << ", " << int(got.b) << "), expected RGB(" << int(expected.r)
                                         << ", " << int(expected.g) << ", " << int(expected.b) << ")";
}

const Rgb kBlue{0, 0, 255}, kYellow{255, 255, 0}, kBlack{0, 0, 0}, kWhite{255, 255, 255};

struct PixelCase {
    int x, y;
    Rgb colour;
};

// The borders, and the colour ramp's stops across the inner area.
const PixelCase kSkinPixels[] = {
    {0, 0, kBlue},      {4, 4, kBlue},     {787, 469, kBlue},         {783, 200, kBlue},   {300, 465, kBlue},
    {5, 5, kYellow},    {9, 200, kYellow}, {778, 200, kYellow},       {300, 460, kYellow}, {300, 9, kYellow},
    {10, 10, kBlack},   {10, 459, kBlack}, {265, 200, {255, 128, 0}}, {394, 200, kWhite},  {522, 200, {0, 255, 0}},
    {777, 100, kBlack},
};

TEST(ResourcePictures, MainSkin) {
    const Image skin = mainSkin();
    ASSERT_EQ(skin.width, 788);
    ASSERT_EQ(skin.height, 470);
    for (const PixelCase& p : kSkinPixels) EXPECT_TRUE(pixelIs(skin, p.x, p.y, p.colour));
    EXPECT_TRUE(pixelIs(skin, 394, 10, skin.at(394, 459))) << "the ramp runs left to right only";
    EXPECT_FALSE(skin.at(127, 408) == kBlack) << "no trough on the main skin";
}

TEST(ResourcePictures, ProgressSkinAddsTheTrough) {
    const Image skin = progressSkin();
    const Image plain = mainSkin();
    const Rgb fill{230, 230, 230};
    const PixelCase kTrough[] = {
        {127, 408, kBlack}, {642, 408, kBlack}, {127, 426, kBlack}, {642, 426, kBlack}, {400, 408, kBlack},
        {128, 409, fill},   {641, 425, fill},   {129, 410, fill},   {640, 424, fill},
    };
    for (const PixelCase& p : kTrough) EXPECT_TRUE(pixelIs(skin, p.x, p.y, p.colour));
    for (const PixelCase& outside :
         {PixelCase{126, 408, {}}, PixelCase{643, 426, {}}, PixelCase{400, 407, {}}, PixelCase{400, 427, {}}}) {
        EXPECT_TRUE(pixelIs(skin, outside.x, outside.y, plain.at(outside.x, outside.y))) << "outside the trough";
    }
}

TEST(ResourcePictures, BarStripRunsRedToBlueWithoutBlack) {
    const Image strip = barStrip();
    ASSERT_EQ(strip.width, 512);
    ASSERT_EQ(strip.height, 15);
    for (const Rgb& p : strip.pixels) ASSERT_FALSE(p == kBlack) << "black is the transparent colour of the bar";
    // Every row, not only one, starts and ends in the bar's two colours.
    for (int y = 0; y < 15; y++) {
        EXPECT_TRUE(pixelIs(strip, 0, y, {255, 25, 0}));
        EXPECT_TRUE(pixelIs(strip, 511, y, {0, 25, 255}));
        EXPECT_TRUE(pixelIs(strip, 255, y, strip.at(255, 0))) << "the colour changes left to right only";
    }
}

TEST(ResourcePictures, CursorIsAKeyWithItsClickPointAtTheTip) {
    const CursorImage cursor = programCursor();
    ASSERT_EQ(cursor.width, 32);
    ASSERT_EQ(cursor.height, 32);
    EXPECT_EQ(cursor.hotX, 1);
    EXPECT_EQ(cursor.hotY, 31);
    EXPECT_EQ(cursor.at(1, 31), CursorPixel::White) << "the click point lies on the key's tip";
    EXPECT_EQ(cursor.at(24, 2), CursorPixel::White) << "the bow is at the upper right";
    EXPECT_EQ(cursor.at(0, 0), CursorPixel::Transparent);
    EXPECT_EQ(cursor.at(31, 31), CursorPixel::Transparent);
    // Every white pixel touches only white or black: the key is outlined.
    for (int y = 0; y < 32; y++)
        for (int x = 0; x < 32; x++) {
            if (cursor.at(x, y) != CursorPixel::White) continue;
            for (int dy = -1; dy <= 1; dy++)
                for (int dx = -1; dx <= 1; dx++) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx > 31 || ny > 31) continue;
                    EXPECT_NE(cursor.at(nx, ny), CursorPixel::Transparent) << "(" << nx << ", " << ny << ")";
                }
        }
}

TEST(ResourcePictures, IconAndAboutPictureSizes) {
    const IconImage icon = programIcon();
    EXPECT_EQ(icon.picture.width, 32);
    EXPECT_EQ(icon.picture.height, 32);
    EXPECT_FALSE(icon.opaque[0]) << "corners show the desktop";
    EXPECT_TRUE(icon.opaque[16 * 32 + 16]);
    const Image picture = aboutPicture();
    EXPECT_EQ(picture.width, 217);
    EXPECT_EQ(picture.height, 275);
}

uint32_t le32(const Bytes& b, size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}
uint32_t le16(const Bytes& b, size_t at) { return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8; }

TEST(PictureFiles, BmpIsBottomUpBgrWithPaddedRows) {
    Image image(3, 2, kBlack);
    image.at(0, 1) = {1, 2, 3};  // lower left: the first pixel stored
    image.at(2, 0) = {7, 8, 9};  // upper right: the last pixel stored
    const Bytes bmp = encodeBmp(image);
    const size_t row = 12;  // 3 pixels of 3 bytes, padded to 12
    ASSERT_EQ(bmp.size(), 54 + 2 * row);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(le32(bmp, 2), bmp.size());
    EXPECT_EQ(le32(bmp, 10), 54u);
    EXPECT_EQ(le32(bmp, 18), 3u);
    EXPECT_EQ(le32(bmp, 22), 2u);
    EXPECT_EQ(le16(bmp, 28), 24u);
    EXPECT_EQ(bmp[54], 3);
    EXPECT_EQ(bmp[55], 2);
    EXPECT_EQ(bmp[56], 1);
    EXPECT_EQ(bmp[54 + row + 6], 9);
    EXPECT_EQ(bmp[54 + row + 8], 7);
}

TEST(PictureFiles, CursorCarriesItsClickPoint) {
    const Bytes cur = encodeCursor(programCursor());
    EXPECT_EQ(le16(cur, 2), 2u) << "type 2 is a cursor";
    EXPECT_EQ(le16(cur, 4), 1u);
    EXPECT_EQ(cur[6], 32);
    EXPECT_EQ(cur[7], 32);
    EXPECT_EQ(le16(cur, 10), 1u) << "click point x";
    EXPECT_EQ(le16(cur, 12), 31u) << "click point y";
    EXPECT_EQ(le32(cur, 14), cur.size() - 22);
    EXPECT_EQ(le32(cur, 22 + 8), 64u) << "image and mask stacked";
    EXPECT_EQ(le16(cur, 22 + 14), 1u) << "monochrome";

    const Bytes ico = encodeIcon(programIcon());
    EXPECT_EQ(le16(ico, 2), 1u) << "type 1 is an icon";
    EXPECT_EQ(le16(ico, 12), 24u) << "24-bit colour";
    EXPECT_EQ(le32(ico, 14), ico.size() - 22);
}

}  // namespace
