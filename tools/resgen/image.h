// Pictures as plain pixel arrays, drawn by code and written as BMP, ICO or CUR.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct Rgb {
    uint8_t r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

// Top-down 24-bit picture; (0, 0) is the upper left pixel.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;

    Image(int w, int h, Rgb fill = {0, 0, 0}) : width(w), height(h), pixels(size_t(w) * size_t(h), fill) {}
    Rgb& at(int x, int y) { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
    const Rgb& at(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

// A colour icon: the picture and, per pixel, whether it is drawn (the AND mask).
struct IconImage {
    Image picture;
    std::vector<bool> opaque;  // top-down, one per pixel

    IconImage(int w, int h) : picture(w, h), opaque(size_t(w) * size_t(h), false) {}
};

// A monochrome cursor: every pixel is transparent, black or white.
enum class CursorPixel : uint8_t { Transparent, Black, White };

struct CursorImage {
    int width = 0;
    int height = 0;
    int hotX = 0;
    int hotY = 0;
    std::vector<CursorPixel> pixels;  // top-down

    CursorImage(int w, int h) : width(w), height(h), pixels(size_t(w) * size_t(h), CursorPixel::Transparent) {}
    CursorPixel& at(int x, int y) { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
    CursorPixel at(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

// Linear blend a + (b - a) * t, rounded, for 0 <= t <= 1.
Rgb mix(Rgb a, Rgb b, double t);
