#include "tools/resgen/main_pictures.h"

#include <cmath>

#include "tools/resgen/shapes.h"

namespace {

const Rgb kBlack{0, 0, 0};
const Rgb kWhite{255, 255, 255};
const Rgb kBorderBlue{0, 0, 255};
const Rgb kBorderYellow{255, 255, 0};
const int kBorderWidth = 5;

struct RampStop {
    int x;
    Rgb colour;
};

// Left to right across the inner area of every skin.
const RampStop kSkinRamp[] = {
    {10, {0, 0, 0}}, {265, {255, 128, 0}}, {394, {255, 255, 255}}, {522, {0, 255, 0}}, {777, {0, 0, 0}},
};

Rgb rampColourAt(int x) {
    const int stops = int(sizeof kSkinRamp / sizeof kSkinRamp[0]);
    for (int i = 1; i < stops; i++) {
        const RampStop& a = kSkinRamp[i - 1];
        const RampStop& b = kSkinRamp[i];
        if (x <= b.x) return mix(a.colour, b.colour, double(x - a.x) / (b.x - a.x));
    }
    return kSkinRamp[stops - 1].colour;
}

void fillRectangle(Image& image, int left, int top, int right, int bottom, Rgb colour) {
    for (int y = top; y <= bottom; y++)
        for (int x = left; x <= right; x++) image.at(x, y) = colour;
}

// The trough of the progress bar: a black line around a light grey well.
const int kTroughLeft = 127, kTroughTop = 408, kTroughRight = 642, kTroughBottom = 426;
const Rgb kTroughFill{230, 230, 230};

}  // namespace

Image mainSkin() {
    Image skin(kSkinWidth, kSkinHeight, kBorderBlue);
    fillRectangle(skin, kBorderWidth, kBorderWidth, kSkinWidth - 1 - kBorderWidth, kSkinHeight - 1 - kBorderWidth,
                  kBorderYellow);
    const int inner = 2 * kBorderWidth;
    for (int y = inner; y <= kSkinHeight - 1 - inner; y++)
        for (int x = inner; x <= kSkinWidth - 1 - inner; x++) skin.at(x, y) = rampColourAt(x);
    return skin;
}

Image progressSkin() {
    Image skin = mainSkin();
    fillRectangle(skin, kTroughLeft, kTroughTop, kTroughRight, kTroughBottom, kBlack);
    fillRectangle(skin, kTroughLeft + 1, kTroughTop + 1, kTroughRight - 1, kTroughBottom - 1, kTroughFill);
    return skin;
}

Image barStrip() {
    // Every row runs from the red end to the blue end; green never falls below
    // 25, so no pixel is the transparent black.
    const Rgb left{255, 25, 0};
    const Rgb right{0, 25, 255};
    Image strip(512, 15);
    for (int y = 0; y < strip.height; y++)
        for (int x = 0; x < strip.width; x++) strip.at(x, y) = mix(left, right, x / 511.0);
    return strip;
}

Image aboutPicture() {
    const int width = 217, height = 275;
    const Point centre{108.5, 165.0};
    Image picture(width, height);
    renderSupersampled(picture, [&](Point p) {
        // Dark background with rings around the lock.
        Rgb colour = mix({8, 16, 56}, {0, 86, 108}, p.y / height);
        const double ring = std::fmod(distance(p, centre), 20.0);
        if (ring < 1.6) colour = mix(colour, {60, 170, 200}, 0.45);

        // Shackle: a half ring and two legs, steel shaded from the left.
        const Point shackleCentre{108.5, 104.0};
        const double r = distance(p, shackleCentre);
        const bool arc = p.y <= shackleCentre.y && r >= 33.0 && r <= 47.0;
        const bool leftLeg = p.x >= 61.5 && p.x <= 75.5 && p.y >= shackleCentre.y && p.y <= 140.0;
        const bool rightLeg = p.x >= 141.5 && p.x <= 155.5 && p.y >= shackleCentre.y && p.y <= 140.0;
        if (arc || leftLeg || rightLeg) colour = mix({236, 238, 246}, {112, 116, 130}, (p.x - 61.0) / 95.0);

        // Body: a gold rounded block with a darker rim.
        const double body = roundedRectangleDistance(p, {38.5, 134.0}, {178.5, 246.0}, 14.0);
        if (body <= 0.0) {
            colour = mix({255, 222, 96}, {186, 124, 18}, (p.y - 134.0) / 112.0);
            if (p.y < 150.0) colour = mix(colour, kWhite, 0.25);
            if (body > -3.0) colour = {120, 78, 8};
        }

        // Keyhole: a round top and a widening slot.
        const bool holeTop = distance(p, {108.5, 178.0}) <= 13.0;
        const double slotHalf = 5.0 + (p.y - 182.0) * 4.0 / 38.0;
        const bool holeSlot = p.y >= 182.0 && p.y <= 220.0 && std::fabs(p.x - 108.5) <= slotHalf;
        if (holeTop || holeSlot) colour = {22, 12, 0};
        return colour;
    });
    return picture;
}

IconImage programIcon() {
    IconImage icon(32, 32);
    const Point centre{16.0, 16.0};
    renderSupersampled(icon.picture, [&](Point p) {
        const double r = distance(p, centre);
        // Gold lit from the upper left, darker towards the rim.
        Rgb colour = mix({255, 242, 160}, {196, 136, 16}, distance(p, {11.0, 10.0}) / 20.0);
        if (r > 13.5) colour = {128, 84, 8};
        const bool holeTop = distance(p, {16.0, 12.5}) <= 4.2;
        const double slotHalf = 1.6 + (p.y - 14.0) * 2.0 / 10.0;
        const bool holeSlot = p.y >= 14.0 && p.y <= 24.5 && std::fabs(p.x - 16.0) <= slotHalf;
        if (holeTop || holeSlot) colour = {24, 14, 0};
        return colour;
    });
    for (int y = 0; y < 32; y++)
        for (int x = 0; x < 32; x++) icon.opaque[size_t(y * 32 + x)] = distance({x + 0.5, y + 0.5}, centre) <= 15.3;
    return icon;
}

CursorImage programCursor() {
    CursorImage cursor(32, 32);
    cursor.hotX = 1;
    cursor.hotY = 31;
    // The shaft runs from the tip at the lower left up to the bow at the upper right.
    const Point tip{2.0, 30.0};
    const Point shaftEnd{19.5, 12.5};
    const Point bowCentre{24.5, 7.5};
    const Point down{0.7071, 0.7071};  // the side the teeth stand out to
    const Point along{0.7071, -0.7071};
    auto isKey = [&](Point p) {
        if (segmentDistance(p, tip, shaftEnd) <= 1.6) return true;
        const double r = distance(p, bowCentre);
        if (r >= 3.0 && r <= 6.6) return true;
        for (double s : {7.0, 11.0}) {
            const Point root{tip.x + along.x * s, tip.y + along.y * s};
            const Point end{root.x + down.x * 4.5, root.y + down.y * 4.5};
            if (segmentDistance(p, root, end) <= 1.2) return true;
        }
        return false;
    };
    for (int y = 0; y < 32; y++)
        for (int x = 0; x < 32; x++)
            if (isKey({x + 0.5, y + 0.5})) cursor.at(x, y) = CursorPixel::White;
    // Black outline: every free pixel touching the key.
    CursorImage outlined = cursor;
    for (int y = 0; y < 32; y++) {
        for (int x = 0; x < 32; x++) {
            if (cursor.at(x, y) != CursorPixel::Transparent) continue;
            for (int dy = -1; dy <= 1; dy++)
                for (int dx = -1; dx <= 1; dx++) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx >= 0 && ny >= 0 && nx < 32 && ny < 32 && cursor.at(nx, ny) == CursorPixel::White)
                        outlined.at(x, y) = CursorPixel::Black;
                }
        }
    }
    return outlined;
}
