#include "tests/driver/picture.h"

#include <cstdio>

namespace {

void putLittleEndian(std::vector<unsigned char>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

}  // namespace

std::vector<unsigned char> bmpFileBytes(const Picture& picture) {
    const uint32_t rowBytes = (static_cast<uint32_t>(picture.width) * 3 + 3) & ~3u;
    const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(picture.height);
    const uint32_t headerBytes = 14 + 40;
    std::vector<unsigned char> out;
    out.reserve(headerBytes + imageBytes);
    out.push_back('B');
    out.push_back('M');
    putLittleEndian(out, headerBytes + imageBytes, 4);
    putLittleEndian(out, 0, 4);
    putLittleEndian(out, headerBytes, 4);
    putLittleEndian(out, 40, 4);  // BITMAPINFOHEADER
    putLittleEndian(out, static_cast<uint32_t>(picture.width), 4);
    putLittleEndian(out, static_cast<uint32_t>(picture.height), 4);
    putLittleEndian(out, 1, 2);   // planes
    putLittleEndian(out, 24, 2);  // bits per pixel
    putLittleEndian(out, 0, 4);   // BI_RGB
    putLittleEndian(out, imageBytes, 4);
    putLittleEndian(out, 2835, 4);  // 72 dpi
    putLittleEndian(out, 2835, 4);
    putLittleEndian(out, 0, 4);
    putLittleEndian(out, 0, 4);
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) putLittleEndian(out, picture.at(x, y), 3);  // B, G, R
        for (uint32_t pad = static_cast<uint32_t>(picture.width) * 3; pad < rowBytes; ++pad) out.push_back(0);
    }
    return out;
}

bool writeBmpFile(const std::string& path, const Picture& picture) {
    const std::vector<unsigned char> bytes = bmpFileBytes(picture);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

size_t differingPixels(const Picture& a, const Picture& b) {
    if (a.width != b.width || a.height != b.height)
        return a.pixels.size() > b.pixels.size() ? a.pixels.size() : b.pixels.size();
    size_t count = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i) count += a.pixels[i] != b.pixels[i];
    return count;
}

size_t pixelsOfColour(const Picture& picture, uint32_t rgb) {
    size_t count = 0;
    for (uint32_t pixel : picture.pixels) count += pixel == rgb;
    return count;
}
