// The slide viewer (class SLIDE_VIEWER): three pictures in turn every four
// seconds while the progress bar runs.
#pragma once

#include <windows.h>

LRESULT CALLBACK slideViewerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The skin behind the viewer, then slide 1, 2 or 3 (any other number: 3).
void drawSlide(HDC dc, int slide);
