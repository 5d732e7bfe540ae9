// Painting operations of the wizard and its displays: the patterned frame and
// the two pictures drawn with black as the transparent colour.
#pragma once

#include <windows.h>

// Four bars of the frame pattern (bitmap 111, loaded once and kept), each with
// the context's current pen as a thin edge.
void drawPatternFrame(HDC dc, int left, int top, int right, int bottom, int thickness);

void drawBanner(HDC dc);          // bitmap 109 at (25, 20)
void drawWelcomePicture(HDC dc);  // bitmap 112 at (43, 130)
