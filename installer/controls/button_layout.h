// Geometry of a caption button: its rounded shape and where its caption lines go.
// Portable.
#pragma once

// A bar with semicircular ends: inside when within r + 1 of either end's centre
// (r = height / 2) or between the two centres.
bool insideButtonShape(int width, int height, int x, int y);

struct CaptionLayout {
    int width, height;
    int charWidth, fontHeight, lineGap;
    int textOffset;  // minus the length of the button's first caption
};

// y of the first caption line, for a caption of `lines` lines, before a press moves it.
int captionTop(const CaptionLayout& layout, int lines);
// x of a caption line of `length` characters, before a press moves it.
int captionLineLeft(const CaptionLayout& layout, int length);
