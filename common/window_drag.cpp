#include "common/window_drag.h"

void beginWindowDrag(HWND window, WindowDrag& drag, LPARAM lParam) {
    SetCapture(window);
    const POINT pressed = pointerPoint(lParam);
    drag.origin = {static_cast<int>(pressed.x), static_cast<int>(pressed.y)};
    drag.active = true;
}

bool followWindowDrag(HWND window, const WindowDrag& drag, WPARAM wParam, LPARAM lParam, int& left, int& top, int width,
                      int height) {
    if (wParam != MK_LBUTTON || !drag.active) return false;
    const POINT pointer = pointerPoint(lParam);
    dragStep(drag.origin, static_cast<int>(pointer.x), static_cast<int>(pointer.y), left, top);
    MoveWindow(window, left, top, width, height, TRUE);
    return true;
}

void endWindowDrag(WindowDrag& drag) {
    drag.active = false;
    ReleaseCapture();
}
