// Pixel letters for pictures that carry words: a 5 x 7 capital alphabet, digits
// and a little punctuation, drawn scaled up into an image.
#pragma once

#include <functional>
#include <string>

#include "tools/resgen/image.h"

// Width in pixels of `text` drawn at `scale` (each glyph cell 6 x scale wide).
int blockTextWidth(const std::string& text, int scale);

// Draws `text` (capitals; unknown characters are blanks) with its top left at
// (x, y); colourAt(column fraction 0..1, row fraction 0..1) colours each pixel.
void drawBlockText(Image& image, const std::string& text, int x, int y, int scale,
                   const std::function<Rgb(double across, double down)>& colourAt);
