#include "common/gradient.h"

#include <cmath>

namespace {

// start + (end - start) * t, truncated toward zero; only the low 8 bits count.
uint32_t component(int start, int end, double t) {
    const double value = std::trunc(start + (end - start) * t);
    if (!std::isfinite(value)) return 0;
    // Reduce before converting so an out-of-range t cannot overflow the integer.
    const double low = std::fmod(value, 256.0);
    const long long wrapped = static_cast<long long>(low);
    return static_cast<uint32_t>(wrapped) & 0xFFu;
}

}  // namespace

uint32_t gradientColour(const GradientColours& colours, double t) {
    const uint32_t red = component(colours.startRed, colours.endRed, t);
    const uint32_t green = component(colours.startGreen, colours.endGreen, t);
    const uint32_t blue = component(colours.startBlue, colours.endBlue, t);
    return red | (green << 8) | (blue << 16);
}
