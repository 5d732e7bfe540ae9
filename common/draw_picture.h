// Bitmap resources drawn onto a DC, loaded afresh by every call and freed again.
#pragma once

#include <windows.h>

// A width x height part of a picture: taken at (sourceX, sourceY) of the
// bitmap, put at (x, y) of the DC.
struct PicturePart {
    int x, y, width, height;
    int sourceX, sourceY;
};

// Copies the part as it is.
void drawPicture(HDC dc, HINSTANCE instance, int bitmapId, const PicturePart& part);

// Copies the part without its black pixels: black is the transparent colour of
// every picture drawn over a skin.
void drawTransparentPicture(HDC dc, HINSTANCE instance, int bitmapId, const PicturePart& part);

// The same from a DC that already holds the picture.
void copyTransparent(HDC dc, const PicturePart& part, HDC picture);
