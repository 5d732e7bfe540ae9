// The installer's pictures, one function each, by resource number.
#pragma once

#include "tools/resgen/image.h"

// Wizard geometry the skin is drawn for.
constexpr int kInstallerSkinWidth = 768;
constexpr int kInstallerSkinHeight = 450;

Image installerSkin();      // 107: 768 x 450, the wizard's background
Image installerBanner();    // 109: 703 x 116, the title on black (transparent)
Image displayPattern();     // 110: 780 x 502, the text panels' background
Image framePattern();       // 111: 500 x 200, the frames' stripes
Image welcomePicture();     // 112: 682 x 250, greeting and padlock on black
Image fullProgressBar();    // 113: 679 x 28, no black pixel
Image slideDecrypt();       // 115: 739 x 180
Image slideEncrypt();       // 116: 746 x 192
IconImage installerIcon();  // 120: 32 x 32, a box with a gold padlock
Image slidePadlock();       // 121: 183 x 192
