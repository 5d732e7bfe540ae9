// The pictures each program's resources take, by file name. A program's set is
// one table; add a set for a new program here.
#pragma once

#include <cstddef>

#include "tools/resgen/picture_files.h"

struct PictureFile {
    const char* fileName;
    Bytes (*encode)();
};

struct PictureSet {
    const char* name;
    const PictureFile* files;
    size_t count;
};

// Null when no set has that name.
const PictureSet* findPictureSet(const char* name);
