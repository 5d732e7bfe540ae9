#include "tools/resgen/picture_sets.h"

#include <cstring>

#include "tools/resgen/main_pictures.h"

namespace {

const PictureFile kMainProgramFiles[] = {
    {"about_picture.bmp", [] { return encodeBmp(aboutPicture()); }},
    {"program.ico", [] { return encodeIcon(programIcon()); }},
    {"program.cur", [] { return encodeCursor(programCursor()); }},
    {"main_skin.bmp", [] { return encodeBmp(mainSkin()); }},
    {"progress_skin.bmp", [] { return encodeBmp(progressSkin()); }},
    {"bar_strip.bmp", [] { return encodeBmp(barStrip()); }},
};

const PictureSet kSets[] = {
    {"main", kMainProgramFiles, sizeof kMainProgramFiles / sizeof kMainProgramFiles[0]},
};

}  // namespace

const PictureSet* findPictureSet(const char* name) {
    for (const PictureSet& set : kSets)
        if (std::strcmp(set.name, name) == 0) return &set;
    return nullptr;
}
