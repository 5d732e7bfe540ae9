// A window dragged by its background with the left button: the pointer
// messages of the about window and the installer's wizard.
#pragma once

#include <windows.h>

#include "common/drag_step.h"

// The client point of a pointer message, signed.
inline POINT pointerPoint(LPARAM lParam) {
    const unsigned long position = static_cast<unsigned long>(lParam);
    return {signedLowWord(position), signedHighWord(position)};
}

struct WindowDrag {
    bool active = false;
    DragOrigin origin;
};

// WM_LBUTTONDOWN: captures the pointer and keeps where it was pressed.
void beginWindowDrag(HWND window, WindowDrag& drag, LPARAM lParam);

// WM_MOUSEMOVE: during a drag with only the left button down, moves the window
// and the position its owner keeps for it. True when it moved.
bool followWindowDrag(HWND window, const WindowDrag& drag, WPARAM wParam, LPARAM lParam, int& left, int& top, int width,
                      int height);

// WM_LBUTTONUP: ends the drag and releases the pointer.
void endWindowDrag(WindowDrag& drag);
