#include "common/draw_text.h"

#include <cstring>

#include "common/scoped_gdi.h"
#include "common/text_wrap.h"

namespace {

// Paragraph lines are measured against the width of every skinned window.
const int kWindowWidth = 788;
const char* const kTextFace = "default";
const COLORREF kFrameColour = RGB(0, 155, 155);

COLORREF colourAt(const GradientColours& colours, double t) {
    return static_cast<COLORREF>(gradientColour(colours, t));
}

// The path every outline follows; it ends one pixel above its start so the
// corner is closed for wide pens too.
void strokeRectangle(HDC dc, int left, int top, int right, int bottom, int penWidth, COLORREF colour) {
    ScopedPen pen(CreatePen(PS_SOLID, penWidth, colour));
    SelectedObject selectedPen(dc, pen);
    MoveToEx(dc, left, top, nullptr);
    LineTo(dc, right, top);
    LineTo(dc, right, bottom);
    LineTo(dc, left, bottom);
    LineTo(dc, left, top - 1);
}

}  // namespace

HFONT createTextFont(const char* faceName, int height, int width, int italic, int underline) {
    LOGFONTA font;
    std::memset(&font, 0, sizeof font);
    font.lfHeight = height;
    font.lfWidth = width;
    font.lfWeight = FW_BOLD;
    font.lfItalic = static_cast<BYTE>(italic != 0);
    font.lfUnderline = static_cast<BYTE>(underline != 0);
    font.lfPitchAndFamily = FIXED_PITCH;
    std::strncpy(font.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirectA(&font);
}

void drawGradientText(HDC dc, const char* text, int x, int y, int fontHeight, int fontWidth, int spacing, int italic,
                      int underline, const GradientColours& colours) {
    ScopedFont font(createTextFont(kTextFace, fontHeight, fontWidth, italic, underline));
    SelectedObject selectedFont(dc, font);
    SetBkMode(dc, TRANSPARENT);
    const int count = static_cast<int>(std::strlen(text));
    for (int i = 0; i < count; i++) {
        SetTextColor(dc, colourAt(colours, static_cast<double>(i) / count));
        TextOutA(dc, x + i * (fontWidth + spacing), y, text + i, 1);
    }
}

void drawGradientParagraph(HDC dc, char* text, int x, int rightMargin, int y, int fontHeight, int fontWidth,
                           int lineGap, int italic, int underline, const GradientColours& colours) {
    if (fontWidth <= 0) return;
    const int lineWidth = (kWindowWidth - x - rightMargin) / fontWidth;
    if (lineWidth <= 0) return;
    ScopedFont font(createTextFont(kTextFace, fontHeight, fontWidth, italic, underline));
    SelectedObject selectedFont(dc, font);
    wrapJustified(text, lineWidth);
    SetBkMode(dc, TRANSPARENT);
    int line = 0;
    int column = 0;
    for (const char* c = text; *c; c++) {
        if (*c == '$') {
            line++;
            column = 0;
            continue;
        }
        SetTextColor(dc, colourAt(colours, static_cast<double>(column) / lineWidth));
        TextOutA(dc, x + column * fontWidth, y + line * (fontHeight + lineGap), c, 1);
        column++;
    }
}

void drawShadedText(HDC dc, int x, int y, const char* text, int length, int advance) {
    // The blue falls along the line and skips the two shades that vanish into the skin.
    int shade = (2 * x - 20) / 7;
    if (x > 344 && length <= 15) shade = 228;
    for (int i = 0; i < length; i++) {
        if (shade == 107 || shade == 108) shade += 40;
        const BYTE blue = static_cast<BYTE>((255 - shade) & 0xFF);
        SetTextColor(dc, RGB(247, 18, blue));
        TextOutA(dc, x + advance * i, y, text + i, 1);
        shade += 2;
    }
}

void drawFrame(HDC dc, int left, int top, int right, int bottom) {
    strokeRectangle(dc, left, top, right, bottom, 2, kFrameColour);
}

void drawOutline(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
    strokeRectangle(dc, left, top, right, bottom, 1, colour);
}

void drawCheckBox(HDC dc, int left, int top, int right, int bottom, COLORREF colour, int checked) {
    drawOutline(dc, left, top, right, bottom, colour);
    if (!checked) return;
    ScopedPen pen(CreatePen(PS_SOLID, 2, colour));
    SelectedObject selectedPen(dc, pen);
    MoveToEx(dc, left + 3, (top + bottom) / 2, nullptr);
    LineTo(dc, (left + right) / 2, bottom - 3);
    LineTo(dc, right - 3, top + 3);
}
