#include "tools/resgen/picture_sets.h"

#include <cstring>

#include "tools/resgen/installer_pictures.h"
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

const PictureFile kInstallerFiles[] = {
    {"installer_skin.bmp", [] { return encodeBmp(installerSkin()); }},
    {"installer_banner.bmp", [] { return encodeBmp(installerBanner()); }},
    {"display_pattern.bmp", [] { return encodeBmp(displayPattern()); }},
    {"frame_pattern.bmp", [] { return encodeBmp(framePattern()); }},
    {"welcome_picture.bmp", [] { return encodeBmp(welcomePicture()); }},
    {"full_bar.bmp", [] { return encodeBmp(fullProgressBar()); }},
    {"slide_1.bmp", [] { return encodeBmp(slideEncrypt()); }},
    {"slide_2.bmp", [] { return encodeBmp(slideDecrypt()); }},
    {"slide_3.bmp", [] { return encodeBmp(slidePadlock()); }},
    {"installer.ico", [] { return encodeIcon(installerIcon()); }},
};

const PictureSet kSets[] = {
    {"main", kMainProgramFiles, sizeof kMainProgramFiles / sizeof kMainProgramFiles[0]},
    {"installer", kInstallerFiles, sizeof kInstallerFiles / sizeof kInstallerFiles[0]},
};

}  // namespace

const PictureSet* findPictureSet(const char* name) {
    for (const PictureSet& set : kSets)
        if (std::strcmp(set.name, name) == 0) return &set;
    return nullptr;
}
