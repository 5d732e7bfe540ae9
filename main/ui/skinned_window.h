// What every window of the main program shares: the skinned class, the title,
// the two caption buttons, the minimise refusal and the creation failure.
#pragma once

#include <windows.h>

// The program's instance, kept by program entry.
extern HINSTANCE programInstance;

// Caption buttons and their identifiers.
constexpr int closeButton = 421;
constexpr int minimizeButton = 422;

// Whether registering a class resets the shared hot-spot state: the windows
// that use it do, before they exist; the about window, on its own thread, keeps it.
enum class HotSpotReset { Reset, Keep };

// Registers a borderless class whose background is the bitmap `skin`; a second
// registration of a name fails harmlessly and the first stays in force.
void registerSkinnedClass(const char* className, HINSTANCE instance, const char* menuName, WNDPROC windowProc, int skin,
                          HotSpotReset reset);

// A WS_POPUP of 788 x 470 at (x, y) with the product title; null on failure.
HWND createSkinnedWindow(const char* className, int x, int y);

// The centred, underlined title every window paints first.
void drawTitle(HDC dc);

// "-" and "X" at the top right; visible or to be shown later.
void createCaptionButtons(HWND window, bool visible);

// Minimises `window`; when it stays as it was, says so in a box owned by `owner`
// (null for none).
void minimizeOrRefuse(HWND window, HWND owner);

// The window numbered `number` ("0009" to "0012") could not be created: reports
// it and ends the process with exit code 1, from whichever thread.
[[noreturn]] void loadingError(const char* number);
