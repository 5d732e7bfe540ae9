// The mouse, two ways. Real input moves the cursor and goes through the system
// like a user's hand (SetCursorPos + SendInput): the window under the cursor
// gets it, hit-testing and capture included. Posted input puts WM_MOUSEMOVE /
// WM_LBUTTONDOWN / WM_LBUTTONUP straight into the queue of the window under the
// point, for windows that are covered or when the cursor must not move.
// Points are client coordinates of `window`; every call waits until the
// window's thread has handled what it was given.
#pragma once

#include <windows.h>

bool realMove(HWND window, POINT client);
bool realClick(HWND window, POINT client);
bool realDrag(HWND window, POINT from, POINT to);

bool postedClick(HWND window, POINT client);
bool postedDrag(HWND window, POINT from, POINT to);
