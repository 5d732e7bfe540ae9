#include "installer/controls/pictures.h"

#include "common/draw_picture.h"
#include "common/scoped_gdi.h"
#include "installer_resource_ids.h"

void drawPatternFrame(HDC dc, int left, int top, int right, int bottom, int thickness) {
    static HBITMAP pattern = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(INSTALLER_FRAME_PATTERN));
    ScopedBrush brush(CreatePatternBrush(pattern));
    SelectedObject selectedBrush(dc, brush);
    Rectangle(dc, left, top, left + thickness, bottom);
    Rectangle(dc, right - thickness, top, right, bottom);
    Rectangle(dc, left, top, right, top + thickness);
    Rectangle(dc, left, bottom - thickness, right, bottom);
}

void drawBanner(HDC dc) {
    drawTransparentPicture(dc, GetModuleHandleA(nullptr), INSTALLER_BANNER, {25, 20, 703, 116, 0, 0});
}

void drawWelcomePicture(HDC dc) {
    drawTransparentPicture(dc, GetModuleHandleA(nullptr), INSTALLER_WELCOME_PICTURE, {43, 130, 682, 250, 0, 0});
}
