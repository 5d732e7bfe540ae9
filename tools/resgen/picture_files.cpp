#include "tools/resgen/picture_files.h"

#include <cstdio>

namespace {

const uint32_t kInfoHeaderSize = 40;
const uint32_t kFileHeaderSize = 14;

void put16(Bytes& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void put32(Bytes& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// Rows of a DIB are padded to whole 32-bit words.
uint32_t rowBytes(int width, int bitsPerPixel) { return ((uint32_t(width) * uint32_t(bitsPerPixel) + 31) / 32) * 4; }

// BITMAPINFOHEADER; icons and cursors give twice the height (image and mask).
void putInfoHeader(Bytes& out, int width, int height, int bitsPerPixel, uint32_t imageBytes, uint32_t colours) {
    put32(out, kInfoHeaderSize);
    put32(out, uint32_t(width));
    put32(out, uint32_t(height));
    put16(out, 1);
    put16(out, uint32_t(bitsPerPixel));
    put32(out, 0);  // BI_RGB
    put32(out, imageBytes);
    put32(out, 2835);  // 72 dpi
    put32(out, 2835);
    put32(out, colours);
    put32(out, 0);
}

// Bottom-up 24-bit rows, blue first.
void putColourRows(Bytes& out, const Image& image) {
    const uint32_t padded = rowBytes(image.width, 24);
    for (int y = image.height - 1; y >= 0; y--) {
        for (int x = 0; x < image.width; x++) {
            const Rgb& p = image.at(x, y);
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
        }
        for (uint32_t i = uint32_t(image.width) * 3; i < padded; i++) out.push_back(0);
    }
}

// Bottom-up 1-bit rows, most significant bit first.
template <typename BitOf>
void putMaskRows(Bytes& out, int width, int height, BitOf bitOf) {
    const uint32_t padded = rowBytes(width, 1);
    for (int y = height - 1; y >= 0; y--) {
        Bytes row(padded, 0);
        for (int x = 0; x < width; x++) {
            if (bitOf(x, y)) row[size_t(x / 8)] = uint8_t(row[size_t(x / 8)] | (0x80 >> (x % 8)));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

// ICONDIR and its one entry. For a cursor the planes and bit count fields hold
// the click point.
Bytes directoryFor(uint16_t type, int width, int height, uint8_t colourCount, uint32_t field1, uint32_t field2,
                   uint32_t imageBytes) {
    Bytes out;
    put16(out, 0);
    put16(out, type);
    put16(out, 1);
    out.push_back(uint8_t(width));
    out.push_back(uint8_t(height));
    out.push_back(colourCount);
    out.push_back(0);
    put16(out, field1);
    put16(out, field2);
    put32(out, imageBytes);
    put32(out, 6 + 16);
    return out;
}

}  // namespace

Bytes encodeBmp(const Image& image) {
    const uint32_t imageBytes = rowBytes(image.width, 24) * uint32_t(image.height);
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    put32(out, kFileHeaderSize + kInfoHeaderSize + imageBytes);
    put32(out, 0);
    put32(out, kFileHeaderSize + kInfoHeaderSize);
    putInfoHeader(out, image.width, image.height, 24, imageBytes, 0);
    putColourRows(out, image);
    return out;
}

Bytes encodeIcon(const IconImage& icon) {
    const Image& p = icon.picture;
    const uint32_t colourBytes = rowBytes(p.width, 24) * uint32_t(p.height);
    const uint32_t maskBytes = rowBytes(p.width, 1) * uint32_t(p.height);
    Bytes image;
    putInfoHeader(image, p.width, p.height * 2, 24, colourBytes + maskBytes, 0);
    putColourRows(image, p);
    // AND mask: 1 where the screen shows through.
    putMaskRows(image, p.width, p.height, [&](int x, int y) { return !icon.opaque[size_t(y * p.width + x)]; });
    Bytes out = directoryFor(1, p.width, p.height, 0, 1, 24, uint32_t(image.size()));
    out.insert(out.end(), image.begin(), image.end());
    return out;
}

Bytes encodeCursor(const CursorImage& cursor) {
    const uint32_t maskBytes = rowBytes(cursor.width, 1) * uint32_t(cursor.height);
    Bytes image;
    putInfoHeader(image, cursor.width, cursor.height * 2, 1, 2 * maskBytes, 2);
    put32(image, 0x00000000);  // palette: black
    put32(image, 0x00FFFFFF);  // white
    // XOR mask: the colour; AND mask: 1 where the screen shows through.
    putMaskRows(image, cursor.width, cursor.height,
                [&](int x, int y) { return cursor.at(x, y) == CursorPixel::White; });
    putMaskRows(image, cursor.width, cursor.height,
                [&](int x, int y) { return cursor.at(x, y) == CursorPixel::Transparent; });
    Bytes out = directoryFor(2, cursor.width, cursor.height, 2, uint32_t(cursor.hotX), uint32_t(cursor.hotY),
                             uint32_t(image.size()));
    out.insert(out.end(), image.begin(), image.end());
    return out;
}

bool writeFile(const std::string& path, const Bytes& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}
