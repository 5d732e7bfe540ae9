// Colour along a linear gradient, as every text primitive draws it.
#pragma once

#include <cstdint>

struct GradientColours {
    int startRed, startGreen, startBlue;
    int endRed, endGreen, endBlue;
};

// The colour at fraction t (0 <= t < 1) as a COLORREF value (red in the low byte).
// Each component is start + (end - start) * t, truncated toward zero, low 8 bits.
uint32_t gradientColour(const GradientColours& colours, double t);
