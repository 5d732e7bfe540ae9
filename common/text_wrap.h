// Justifying text wrappers. They work in place on a writable buffer with spare
// room: a TAB ends a paragraph, and "$" is written wherever a line ends.
#pragma once

// Wraps to lines of `width` characters, padding lines with extra spaces from
// their right end leftwards.
void wrapJustified(char* text, int width);
