// A captured picture and its BMP file form. Portable: unit-tested natively.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, rows from the top

    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + x]; }
};

inline uint32_t rgbOf(int r, int g, int b) {
    return (static_cast<uint32_t>(r & 0xFF) << 16) | (static_cast<uint32_t>(g & 0xFF) << 8) |
           static_cast<uint32_t>(b & 0xFF);
}

// The bytes of a 24-bit bottom-up BMP file of the picture.
std::vector<unsigned char> bmpFileBytes(const Picture& picture);

bool writeBmpFile(const std::string& path, const Picture& picture);

// How many pixels differ; pictures of different sizes differ everywhere.
size_t differingPixels(const Picture& a, const Picture& b);

// How many pixels have exactly this colour (0x00RRGGBB).
size_t pixelsOfColour(const Picture& picture, uint32_t rgb);
