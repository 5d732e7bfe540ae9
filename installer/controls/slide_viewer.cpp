#include "installer/controls/slide_viewer.h"

#include "common/draw_picture.h"
#include "installer/controls/forwarding.h"
#include "installer/controls/progress_bar.h"
#include "installer_resource_ids.h"

namespace {

const UINT_PTR kSlideTimer = 0x5A02;
const UINT kSlideInterval = 4000;
const int kViewerX = 11;
const int kViewerY = 140;
const int kViewerWidth = 746;
const int kViewerHeight = 192;

struct Slide {
    int bitmap;
    int width, height;
    int x, y;
};

const Slide kSlides[3] = {
    {INSTALLER_SLIDE_1, 746, 192, 0, 0},
    {INSTALLER_SLIDE_2, 739, 180, 4, 10},
    {INSTALLER_SLIDE_3, 183, 192, 282, 0},
};

// The slide show: current slide (1 at program start, not reset with a new viewer)
// and the skin and three slides, each kept selected in its own memory context.
int currentSlide = 1;
HDC skinContext = nullptr;
HDC slideContexts[3] = {};

HDC loadedContext(HDC dc, int bitmap) {
    HDC memory = CreateCompatibleDC(dc);
    SelectObject(memory, LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmap)));
    return memory;
}

}  // namespace

void drawSlide(HDC dc, int slide) {
    if (skinContext == nullptr) {
        skinContext = loadedContext(dc, INSTALLER_SKIN);
        for (int i = 0; i < 3; ++i) slideContexts[i] = loadedContext(dc, kSlides[i].bitmap);
    }
    BitBlt(dc, 0, 0, kViewerWidth, kViewerHeight, skinContext, kViewerX, kViewerY, SRCCOPY);
    const int index = (slide == 1 || slide == 2) ? slide - 1 : 2;
    const Slide& s = kSlides[index];
    copyTransparent(dc, {s.x, s.y, s.width, s.height, 0, 0}, slideContexts[index]);
}

LRESULT CALLBACK slideViewerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: SetTimer(window, kSlideTimer, kSlideInterval, nullptr); return 0;
    case WM_TIMER:
        if (installProgress.pacing.percentage > 99.0) {
            KillTimer(window, kSlideTimer);
        } else {
            currentSlide = currentSlide % 3 + 1;
            RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
        }
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        drawSlide(dc, currentSlide);
        EndPaint(window, &paint);
        return 0;
    }
    default: break;
    }
    if (forwardPointerMessage(message, wParam, lParam, kViewerX, kViewerY)) return 0;
    return DefWindowProcA(window, message, wParam, lParam);
}
