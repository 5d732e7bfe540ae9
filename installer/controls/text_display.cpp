#include "installer/controls/text_display.h"

#include <cstring>

#include "common/draw_text.h"
#include "common/scoped_gdi.h"
#include "installer/controls/forwarding.h"
#include "installer/controls/path_wrap.h"
#include "installer/controls/pictures.h"

TextDisplay textDisplays[kTextDisplayCount];

namespace {

GradientColours gradientOf(COLORREF start, COLORREF end) {
    return {GetRValue(start), GetGValue(start), GetBValue(start), GetRValue(end), GetGValue(end), GetBValue(end)};
}

int displayIndexOf(HWND window) {
    for (int i = 0; i < kTextDisplayCount; ++i) {
        if (textDisplays[i].window == window) return i;
    }
    return -1;
}

void paintDisplay(const TextDisplay& display) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(display.window, &paint);
    drawPatternFrame(dc, 0, 0, display.width, display.height, 8);
    drawDisplayParagraph(dc, display.text, display.width, 10, 10, 10, display.fontHeight, display.charWidth,
                         display.lineGap, 0, 0, display.startColour, display.endColour);
    EndPaint(display.window, &paint);
}

}  // namespace

void drawDisplayParagraph(HDC dc, const char* text, int width, int left, int rightMargin, int top, int fontHeight,
                          int charWidth, int lineGap, int italic, int underline, COLORREF startColour,
                          COLORREF endColour) {
    if (charWidth <= 0) return;
    const int lineWidth = (width - left - rightMargin) / charWidth;
    if (lineWidth <= 0) return;
    char copy[2048];
    std::strncpy(copy, text, sizeof copy - 1);
    copy[sizeof copy - 1] = '\0';
    wrapJustifiedPaths(copy, sizeof copy, lineWidth);

    const GradientColours colours = gradientOf(startColour, endColour);
    ScopedFont font(createTextFont("default", fontHeight, charWidth, italic, underline));
    SelectedObject selectedFont(dc, font);
    SetBkMode(dc, TRANSPARENT);
    int line = 0;
    int column = 0;
    for (const char* c = copy; *c; ++c) {
        if (*c == '$') {
            ++line;
            column = 0;
            continue;
        }
        SetTextColor(dc, static_cast<COLORREF>(gradientColour(colours, static_cast<double>(column) / lineWidth)));
        TextOutA(dc, left + column * charWidth, top + line * (fontHeight + lineGap), c, 1);
        ++column;
    }
}

LRESULT CALLBACK textDisplayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = displayIndexOf(window);
    if (index < 0) return DefWindowProcA(window, message, wParam, lParam);
    const TextDisplay& display = textDisplays[index];
    if (message == WM_PAINT) {
        paintDisplay(display);
        return 0;
    }
    if (forwardPointerMessage(message, wParam, lParam, display.x, display.y)) return 0;
    return DefWindowProcA(window, message, wParam, lParam);
}
