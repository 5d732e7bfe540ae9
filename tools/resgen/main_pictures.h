// The main program's pictures, one function each, by resource number.
#pragma once

#include "tools/resgen/image.h"

// Window geometry the skins are drawn for.
constexpr int kSkinWidth = 788;
constexpr int kSkinHeight = 470;

Image aboutPicture();         // 102: 217 x 275, a padlock on a dark ring pattern
IconImage programIcon();      // 103: 32 x 32, a gold disc with a keyhole
CursorImage programCursor();  // 104: 32 x 32, a white key, click point at its tip
Image mainSkin();             // 105: borders and the colour ramp
Image progressSkin();         // 106: mainSkin with the progress bar's empty trough
Image barStrip();             // 107: 512 x 15, red to blue, no black pixel
