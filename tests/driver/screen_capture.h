// Pictures of what is on the screen: windows to BMP files, single pixels.
#pragma once

#include <windows.h>

#include <string>

#include "tests/driver/picture.h"

// Copies a rectangle of the screen (screen coordinates).
bool captureScreenRect(const RECT& rect, Picture& picture);

// Waits until the window has painted and two captures of its rectangle agree
// (painting reaches the screen a little after the window paints), then keeps it.
bool captureWindow(HWND window, Picture& picture);

// Captures the window into a BMP file; a bare name goes into the shots folder.
bool captureWindowToFile(HWND window, const std::string& name);
bool captureScreenToFile(const std::string& name);

// The colour at a point of the screen, 0x00RRGGBB.
bool screenPixel(POINT point, uint32_t& rgb);

// When the session keeps automatic shots, captures the window as "NN-what.bmp".
void automaticShot(HWND window, const std::string& what);
