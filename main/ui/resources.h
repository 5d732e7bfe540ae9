// The main program's resources by name.
#pragma once

#include "resources/main_resource_ids.h"

// The skins, the strip and the about picture keep their design names.

constexpr int aboutPicture = MAIN_ABOUT_PICTURE;  // 217 x 275
constexpr int kProgramIcon = MAIN_PROGRAM_ICON;
constexpr int kProgramCursor = MAIN_PROGRAM_CURSOR;
constexpr int mainSkin = MAIN_SKIN;  // 788 x 470
constexpr int progressSkin = MAIN_PROGRESS_SKIN;
constexpr int barStrip = MAIN_BAR_STRIP;  // 512 x 15
