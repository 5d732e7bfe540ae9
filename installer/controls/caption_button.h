// Caption buttons (class PELK_TXT_BUTTON): rounded, shaded buttons with a centred
// caption that light up under the pointer and send their command when a press
// and a release both fall inside their shape.
#pragma once

#include <windows.h>

struct CaptionButton {
    HWND parent;
    HWND window;
    int width, height;
    int x, y;
    int backgroundOffsetX, backgroundOffsetY;
    int charWidth;
    int fontHeight;
    int lineGap;
    int textOffset;  // minus the length of the first caption; kept when it changes
    COLORREF hoverColour;
    COLORREF normalColour;
    int backgroundBitmap;
    char caption[99];  // lines separated by a line feed
    BYTE pointerOver;
    BYTE pressed;
};

// In creation order: the forward button, "BROWSE", "BACK", "X", "-".
constexpr int kForwardButton = 0;
constexpr int kBrowseButton = 1;
constexpr int kBackButton = 2;
constexpr int kExitButton = 3;
constexpr int kMinimiseButton = 4;
constexpr int kCaptionButtonCount = 5;
constexpr int kNoButton = -1;

extern CaptionButton captionButtons[kCaptionButtonCount];

int commandIdOf(int buttonIndex);

LRESULT CALLBACK captionButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Paints one button: through BeginPaint inside WM_PAINT, else at once through GetDC.
void drawCaptionButton(int buttonIndex, bool insidePaint);

// Every button but `except` that shows its highlight loses it and is repainted.
void clearButtonHover(int except);
