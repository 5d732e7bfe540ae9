#include "tools/resgen/installer_pictures.h"

#include <cmath>
#include <string>

#include "tools/resgen/block_letters.h"
#include "tools/resgen/shapes.h"

namespace {

const Rgb kBlack{0, 0, 0};
const Rgb kWhite{255, 255, 255};
const Rgb kGold{255, 214, 90};
const Rgb kAmber{232, 120, 20};

// A gold-to-amber fill for block letters, lighter in their upper half.
Rgb goldInk(double across, double down) {
    const Rgb base = mix(kGold, kAmber, across);
    return down < 0.45 ? mix(base, kWhite, 0.3) : base;
}

Rgb tealInk(double across, double) { return mix({90, 230, 230}, {60, 140, 255}, across); }

void centredText(Image& image, const std::string& text, int y, int scale, Rgb (*ink)(double, double)) {
    drawBlockText(image, text, (image.width - blockTextWidth(text, scale)) / 2, y, scale, ink);
}

// A padlock in a box of `size`, drawn into `image` with its top left at (left, top);
// the pixels outside the lock keep their colour.
void drawPadlock(Image& image, double left, double top, double size) {
    const double s = size / 100.0;
    const Point shackleCentre{left + 50 * s, top + 40 * s};
    for (int y = 0; y < image.height; y++) {
        for (int x = 0; x < image.width; x++) {
            // Four samples per pixel keep the rims smooth enough at this size.
            int hits = 0;
            Rgb colour{};
            double r = 0, g = 0, b = 0;
            for (int sy = 0; sy < 2; sy++) {
                for (int sx = 0; sx < 2; sx++) {
                    const Point p{x + (sx + 0.5) / 2, y + (sy + 0.5) / 2};
                    const double d = distance(p, shackleCentre);
                    const bool arc = p.y <= shackleCentre.y && d >= 22 * s && d <= 32 * s;
                    const bool legs =
                        p.y >= shackleCentre.y && p.y <= top + 55 * s &&
                        (std::fabs(p.x - (left + 23 * s)) <= 5 * s || std::fabs(p.x - (left + 77 * s)) <= 5 * s);
                    const double body = roundedRectangleDistance(p, {left + 10 * s, top + 50 * s},
                                                                 {left + 90 * s, top + 100 * s}, 9 * s);
                    const bool hole =
                        distance(p, {left + 50 * s, top + 70 * s}) <= 7 * s ||
                        (p.y >= top + 72 * s && p.y <= top + 88 * s && std::fabs(p.x - (left + 50 * s)) <= 3.5 * s);
                    Rgb c{};
                    bool ink = false;
                    if (arc || legs) {
                        c = mix({236, 238, 246}, {120, 124, 140}, (p.x - left) / (100 * s));
                        ink = true;
                    }
                    if (body <= 0) {
                        c = mix({255, 226, 110}, {190, 126, 20}, (p.y - top - 50 * s) / (50 * s));
                        if (body > -2.5 * s) c = {130, 84, 10};
                        if (hole) c = {40, 22, 4};
                        ink = true;
                    }
                    if (ink) {
                        hits++;
                        r += c.r;
                        g += c.g;
                        b += c.b;
                    }
                }
            }
            if (hits == 0) continue;
            colour = {uint8_t(std::lround(r / hits)), uint8_t(std::lround(g / hits)), uint8_t(std::lround(b / hits))};
            image.at(x, y) = mix(image.at(x, y), colour, hits / 4.0);
        }
    }
}

// Keeps every drawn pixel clear of the transparent black: a pure black pixel
// inside a picture would show the skin through it.
void liftExactBlack(Image& image, Rgb replacement) {
    for (Rgb& pixel : image.pixels)
        if (pixel == kBlack) pixel = replacement;
}

}  // namespace

Image installerSkin() {
    Image skin(kInstallerSkinWidth, kInstallerSkinHeight);
    const Point glow{384.0, 250.0};
    for (int y = 0; y < skin.height; y++) {
        for (int x = 0; x < skin.width; x++) {
            Rgb colour = mix({18, 26, 66}, {58, 18, 78}, double(y) / (skin.height - 1));
            const double light = 1.0 - std::fmin(distance({double(x), double(y)}, glow) / 420.0, 1.0);
            colour = mix(colour, {40, 96, 140}, 0.55 * light * light);
            // Faint diagonal pinstripes.
            if ((x + y) % 14 == 0) colour = mix(colour, kWhite, 0.06);
            skin.at(x, y) = colour;
        }
    }
    return skin;
}

Image installerBanner() {
    Image banner(703, 116);
    centredText(banner, "ZORVANEX", 10, 9, goldInk);
    centredText(banner, "VERSION 3.1   SETUP", 85, 3, tealInk);
    // Thin rules either side of the subtitle.
    const int subtitleWidth = blockTextWidth("VERSION 3.1   SETUP", 3);
    const int left = (banner.width - subtitleWidth) / 2;
    for (int x = 40; x < left - 20; x++) banner.at(x, 95) = {90, 200, 220};
    for (int x = left + subtitleWidth + 20; x < banner.width - 40; x++) banner.at(x, 95) = {90, 200, 220};
    return banner;
}

Image displayPattern() {
    Image pattern(780, 502);
    for (int y = 0; y < pattern.height; y++) {
        for (int x = 0; x < pattern.width; x++) {
            Rgb colour = mix({14, 22, 40}, {24, 40, 60}, double(y) / (pattern.height - 1));
            if (x % 24 == 0 || y % 24 == 0) colour = mix(colour, {70, 120, 150}, 0.25);
            pattern.at(x, y) = colour;
        }
    }
    return pattern;
}

Image framePattern() {
    Image pattern(500, 200);
    for (int y = 0; y < pattern.height; y++) {
        for (int x = 0; x < pattern.width; x++) {
            const int band = ((x + y) / 6) % 3;
            const Rgb colours[3] = {{230, 170, 40}, {150, 70, 20}, {40, 170, 170}};
            pattern.at(x, y) = colours[band];
        }
    }
    return pattern;
}

Image welcomePicture() {
    Image picture(682, 250);
    drawPadlock(picture, 20, 40, 170);
    const int textLeft = 220;
    drawBlockText(picture, "WELCOME!", textLeft, 40, 8, goldInk);
    const char* const lines[] = {"THIS WIZARD INSTALLS", "ZORVANEX(VERSION-3.1)", "ON YOUR COMPUTER.",
                                 "CLICK NEXT TO GO ON."};
    int y = 120;
    for (const char* line : lines) {
        drawBlockText(picture, line, textLeft, y, 3, tealInk);
        y += 30;
    }
    return picture;
}

Image fullProgressBar() {
    Image bar(679, 28);
    for (int y = 0; y < bar.height; y++) {
        const double light = 0.45 * (1.0 - std::fabs(y - 6.0) / 22.0);
        for (int x = 0; x < bar.width; x++) {
            const Rgb base = mix({40, 170, 60}, {250, 210, 40}, double(x) / (bar.width - 1));
            bar.at(x, y) = mix(base, kWhite, light > 0 ? light : 0);
        }
    }
    liftExactBlack(bar, {1, 1, 1});
    return bar;
}

Image slideEncrypt() {
    Image slide(746, 192);
    centredText(slide, "ENCRYPT ANY FILE", 30, 7, goldInk);
    centredText(slide, "RIGHT-CLICK IT AND CHOOSE", 110, 3, tealInk);
    centredText(slide, "ENCRYPT/DECRYPT", 140, 3, tealInk);
    return slide;
}

Image slideDecrypt() {
    Image slide(739, 180);
    centredText(slide, "DOUBLE-CLICK", 20, 7, goldInk);
    centredText(slide, "AN .EPT FILE", 85, 5, goldInk);
    centredText(slide, "TO DECRYPT IT WITH ITS PASSWORD", 145, 3, tealInk);
    return slide;
}

Image slidePadlock() {
    Image slide(183, 192);
    drawPadlock(slide, 6, 10, 170);
    return slide;
}

IconImage installerIcon() {
    IconImage icon(32, 32);
    renderSupersampled(icon.picture, [](Point p) {
        // A teal box with a lid, and a gold padlock on its front.
        Rgb colour = mix({70, 200, 210}, {20, 90, 120}, p.y / 32.0);
        if (p.y < 11.0) colour = mix({120, 230, 235}, {40, 140, 160}, p.x / 32.0);
        const double shackle = distance(p, {16.0, 15.0});
        const bool arc = p.y <= 15.0 && shackle >= 3.0 && shackle <= 5.0;
        const double body = roundedRectangleDistance(p, {10.0, 15.0}, {22.0, 25.0}, 2.0);
        if (arc) colour = {230, 232, 240};
        if (body <= 0) colour = body > -1.0 ? Rgb{130, 84, 10} : mix(kGold, kAmber, (p.y - 15.0) / 10.0);
        if (distance(p, {16.0, 19.5}) <= 1.6) colour = {40, 22, 4};
        return colour;
    });
    for (int y = 0; y < 32; y++) {
        for (int x = 0; x < 32; x++) {
            const bool box = x >= 2 && x <= 29 && y >= 7 && y <= 29;
            const double shackle = distance({x + 0.5, y + 0.5}, {16.0, 15.0});
            const bool arc = y + 0.5 <= 15.0 && shackle <= 5.5;
            icon.opaque[size_t(y * 32 + x)] = box || arc;
        }
    }
    return icon;
}
