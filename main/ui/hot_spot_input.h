// Links, option boxes and window dragging for the encrypt, decrypt and progress
// windows: painting the visible hot spots and applying the pointer rules.
#pragma once

#include <windows.h>

#include "main/ui/hot_spots.h"

// Shared by the encrypt, decrypt and progress windows (one takes input at a time).
extern PointerState pointerState;

// Before each of those windows is created.
void resetHotSpotState();
// A window's WM_CREATE: exactly the listed spots become visible.
void showHotSpots(const int* spots, int count);

// 1 when (x, y) lies on a visible hot spot; updates hotSpot and redraws what changed.
int trackHotSpot(HWND window, int x, int y);

void drawLinks(HDC dc);
void drawOptionBoxes(HDC dc);

// WM_MOUSEMOVE, WM_LBUTTONDOWN and WM_LBUTTONUP of those windows. Returns false
// for any other message. `origin` is the window kind's own drag origin.
bool handlePointerMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DragOrigin& origin);
