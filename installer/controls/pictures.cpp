#include "installer/controls/pictures.h"

#include "installer_resource_ids.h"

void drawPatternFrame(HDC dc, int left, int top, int right, int bottom, int thickness) {
    static HBITMAP pattern = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(INSTALLER_FRAME_PATTERN));
    HBRUSH brush = CreatePatternBrush(pattern);
    HGDIOBJ previous = SelectObject(dc, brush);
    Rectangle(dc, left, top, left + thickness, bottom);
    Rectangle(dc, right - thickness, top, right, bottom);
    Rectangle(dc, left, top, right, top + thickness);
    Rectangle(dc, left, bottom - thickness, right, bottom);
    SelectObject(dc, previous);
    DeleteObject(brush);
}

void drawTransparentPicture(HDC dc, int bitmapId, int x, int y, int width, int height) {
    HBITMAP picture = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId));
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, picture);
    TransparentBlt(dc, x, y, width, height, memory, 0, 0, width, height, RGB(0, 0, 0));
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(picture);
}

void drawBanner(HDC dc) {
    drawTransparentPicture(dc, INSTALLER_BANNER, 25, 20, 703, 116);
}

void drawWelcomePicture(HDC dc) {
    drawTransparentPicture(dc, INSTALLER_WELCOME_PICTURE, 43, 130, 682, 250);
}
