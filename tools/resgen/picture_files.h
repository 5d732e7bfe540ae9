// File encodings windres takes: BMP (24-bit), ICO (one 24-bit image with its
// AND mask) and CUR (one monochrome image with its click point).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/resgen/image.h"

using Bytes = std::vector<uint8_t>;

Bytes encodeBmp(const Image& image);
Bytes encodeIcon(const IconImage& icon);
Bytes encodeCursor(const CursorImage& cursor);

bool writeFile(const std::string& path, const Bytes& bytes);
