// Text and outline primitives shared by the main program and the installer.
// Every call creates, uses and deletes its own GDI objects.
#pragma once

#include <windows.h>

#include "common/gradient.h"

// One line, each character alone at x + i * (width + spacing), colour at t = i / n.
void drawGradientText(HDC dc, const char* text, int x, int y, int fontHeight, int fontWidth, int spacing, int italic,
                      int underline, const GradientColours& colours);

// Wraps `text` in place to (788 - x - rightMargin) / fontWidth characters and draws it.
void drawGradientParagraph(HDC dc, char* text, int x, int rightMargin, int y, int fontHeight, int fontWidth,
                           int lineGap, int italic, int underline, const GradientColours& colours);

// The statistics panel's shaded characters, with the font already selected.
void drawShadedText(HDC dc, int x, int y, const char* text, int length, int advance);

void drawFrame(HDC dc, int left, int top, int right, int bottom);
void drawOutline(HDC dc, int left, int top, int right, int bottom, COLORREF colour);
void drawCheckBox(HDC dc, int left, int top, int right, int bottom, COLORREF colour, int checked);

// A LOGFONTA as every text primitive requests it: bold, fixed pitch.
HFONT createTextFont(const char* faceName, int height, int width, int italic, int underline);
