// Justifying wrapper that breaks file paths after a folder separator. Works in
// place like wrapJustified (TAB ends a paragraph, "$" marks a line end) and may
// insert characters: a backslash at a line end is doubled, one copy becoming "$".
// Portable.
#pragma once

#include <cstddef>

// Wraps `text` to lines of `width` characters. `capacity` is the buffer's size;
// wrapping stops, leaving the rest as it is, where an insertion would not fit.
void wrapJustifiedPaths(char* text, size_t capacity, int width);
