// Static text displays (class PELK_STATIC_BUTTON): framed panels that show a
// justified paragraph in colour gradients and break file paths after a backslash.
#pragma once

#include <windows.h>

struct TextDisplay {
    HWND parent;
    HWND window;
    int width, height;
    int x, y;
    int charWidth;
    int fontHeight;
    int lineGap;
    COLORREF startColour, endColour;
    char text[2000];  // the paragraph; never holds line marks
};

constexpr int kDirectoryDisplay = 0;
constexpr int kSuccessDisplay = 1;
constexpr int kTextDisplayCount = 2;

extern TextDisplay textDisplays[kTextDisplayCount];

LRESULT CALLBACK textDisplayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// drawGradientParagraph for a panel of `width`: wraps a 2,048-byte copy of the
// text with wrapJustifiedPaths at (width - left - rightMargin) / charWidth
// characters, so the text itself stays as it is.
void drawDisplayParagraph(HDC dc, const char* text, int width, int left, int rightMargin, int top, int fontHeight,
                          int charWidth, int lineGap, int italic, int underline, COLORREF startColour,
                          COLORREF endColour);
