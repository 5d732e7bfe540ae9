#include "common/draw_picture.h"

#include "common/scoped_gdi.h"

namespace {

const COLORREF kTransparentColour = RGB(0, 0, 0);

}  // namespace

void drawPicture(HDC dc, HINSTANCE instance, int bitmapId, const PicturePart& part) {
    ScopedBitmap picture(LoadBitmapA(instance, MAKEINTRESOURCEA(bitmapId)));
    MemoryDc memory(dc, picture);
    BitBlt(dc, part.x, part.y, part.width, part.height, memory, part.sourceX, part.sourceY, SRCCOPY);
}

void drawTransparentPicture(HDC dc, HINSTANCE instance, int bitmapId, const PicturePart& part) {
    ScopedBitmap picture(LoadBitmapA(instance, MAKEINTRESOURCEA(bitmapId)));
    MemoryDc memory(dc, picture);
    copyTransparent(dc, part, memory);
}

void copyTransparent(HDC dc, const PicturePart& part, HDC picture) {
    TransparentBlt(dc, part.x, part.y, part.width, part.height, picture, part.sourceX, part.sourceY, part.width,
                   part.height, kTransparentColour);
}
