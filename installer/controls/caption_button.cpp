#include "installer/controls/caption_button.h"

#include <cstring>

#include "common/draw_picture.h"
#include "common/draw_text.h"
#include "common/scoped_gdi.h"
#include "common/window_drag.h"
#include "installer/controls/button_layout.h"
#include "installer/controls/forwarding.h"

CaptionButton captionButtons[kCaptionButtonCount];

namespace {

const int kCommandIds[kCaptionButtonCount] = {421, 422, 425, 423, 424};
const COLORREF kPressedFill = RGB(240, 240, 180);

int buttonIndexOf(HWND window) {
    for (int i = 0; i < kCaptionButtonCount; ++i) {
        if (captionButtons[i].window == window) return i;
    }
    return kNoButton;
}

void copyBackground(HDC dc, const CaptionButton& button) {
    drawPicture(
        dc, GetModuleHandleA(nullptr), button.backgroundBitmap,
        {0, 0, button.width, button.height, button.x + button.backgroundOffsetX, button.y + button.backgroundOffsetY});
}

void roundRectangle(HDC dc, COLORREF fill, COLORREF outline, int left, int top, int right, int bottom, int corner) {
    ScopedBrush brush(CreateSolidBrush(fill));
    ScopedPen pen(CreatePen(PS_SOLID, 1, outline));
    SelectedObject selectedBrush(dc, brush);
    SelectedObject selectedPen(dc, pen);
    RoundRect(dc, left, top, right, bottom, corner, corner);
}

// Seven rings, stepping inwards only at the top and the left, so the darker
// rings form a band there and the innermost colour fills the rest.
void drawRaisedShape(HDC dc, const CaptionButton& button) {
    const int a = button.pointerOver ? 40 : 20;
    const int b = button.pointerOver ? 30 : 20;
    for (int k = 0; k <= 6; ++k) {
        const COLORREF colour = RGB(k * a, k * a, k * b);
        if (k == 0) {
            roundRectangle(dc, colour, colour, 0, 0, button.width, button.height, button.height);
        } else {
            roundRectangle(dc, colour, colour, k, k, button.width - 2, button.height - 1, button.height - k - 1);
        }
    }
}

int lineCount(const char* caption) {
    int lines = 1;
    for (const char* c = caption; *c; ++c) lines += *c == '\n';
    return lines;
}

void paintButton(HDC dc, const CaptionButton& button) {
    copyBackground(dc, button);

    const CaptionLayout layout = {button.width,      button.height,  button.charWidth,
                                  button.fontHeight, button.lineGap, button.textOffset};
    ScopedFont font(createTextFont("COMIC SANS MS", button.fontHeight, button.charWidth, 0, 0));
    int left = 0;
    int top = captionTop(layout, lineCount(button.caption));
    if (button.pressed) {
        roundRectangle(dc, kPressedFill, RGB(0, 0, 0), 0, 0, button.width - 6, button.height - 6, button.height - 6);
        left -= 6;
        top -= 6;
    } else {
        drawRaisedShape(dc, button);
    }

    SelectedObject selectedFont(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, button.pointerOver ? button.hoverColour : button.normalColour);
    const char* line = button.caption;
    for (;;) {
        const char* end = std::strchr(line, '\n');
        const int length = static_cast<int>(end ? static_cast<size_t>(end - line) : std::strlen(line));
        TextOutA(dc, left + captionLineLeft(layout, length), top, line, length);
        top += button.fontHeight + button.lineGap;
        if (end == nullptr) break;
        line = end + 1;
    }
}

void sendCommand(const CaptionButton& button, int index) {
    SendMessageA(button.parent, WM_COMMAND, MAKEWPARAM(commandIdOf(index), 0), 0);
}

void onMouseMove(int index, UINT message, WPARAM wParam, int x, int y) {
    CaptionButton& button = captionButtons[index];
    clearButtonHover(index);
    if (!insideButtonShape(button.width, button.height, x, y)) {
        button.pressed = 0;
        if (button.pointerOver) {
            button.pointerOver = 0;
            drawCaptionButton(index, false);
        }
        forwardToWizard(message, wParam, x + button.x, y + button.y);
        return;
    }
    if (!button.pointerOver) {
        button.pointerOver = 1;
        drawCaptionButton(index, false);
    }
}

void onButtonDown(int index, UINT message, WPARAM wParam, int x, int y) {
    CaptionButton& button = captionButtons[index];
    if (insideButtonShape(button.width, button.height, x, y)) {
        button.pointerOver = 1;
        button.pressed = 1;
        RedrawWindow(button.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    } else {
        button.pointerOver = 0;
        button.pressed = 0;
        forwardToWizard(message, wParam, x + button.x, y + button.y);
    }
    drawCaptionButton(index, false);
}

void onButtonUp(int index, UINT message, WPARAM wParam, int x, int y) {
    CaptionButton& button = captionButtons[index];
    const bool inside = insideButtonShape(button.width, button.height, x, y);
    if (button.pressed) {
        button.pointerOver = 0;
        button.pressed = 0;
        drawCaptionButton(index, false);
        if (inside) {
            sendCommand(button, index);
            return;
        }
    } else if (inside) {
        return;
    }
    forwardToWizard(message, wParam, x + button.x, y + button.y);
}

}  // namespace

int commandIdOf(int buttonIndex) { return kCommandIds[buttonIndex]; }

void drawCaptionButton(int buttonIndex, bool insidePaint) {
    const CaptionButton& button = captionButtons[buttonIndex];
    if (insidePaint) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(button.window, &paint);
        paintButton(dc, button);
        EndPaint(button.window, &paint);
    } else {
        HDC dc = GetDC(button.window);
        paintButton(dc, button);
        ReleaseDC(button.window, dc);
    }
}

void clearButtonHover(int except) {
    for (int i = 0; i < kCaptionButtonCount; ++i) {
        if (i == except || !captionButtons[i].pointerOver) continue;
        captionButtons[i].pointerOver = 0;
        captionButtons[i].pressed = 0;
        drawCaptionButton(i, false);
    }
}

LRESULT CALLBACK captionButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = buttonIndexOf(window);
    if (index == kNoButton) return DefWindowProcA(window, message, wParam, lParam);
    const POINT point = pointerPoint(lParam);
    const int x = static_cast<int>(point.x);
    const int y = static_cast<int>(point.y);
    switch (message) {
    case WM_PAINT: drawCaptionButton(index, true); return 0;
    case WM_MOUSEMOVE: onMouseMove(index, message, wParam, x, y); return 0;
    case WM_LBUTTONDOWN: onButtonDown(index, message, wParam, x, y); return 0;
    case WM_LBUTTONUP: onButtonUp(index, message, wParam, x, y); return 0;
    case WM_DESTROY: PostQuitMessage(18); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}
