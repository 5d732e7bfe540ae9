#include "tools/resgen/image.h"

#include <cmath>

namespace {

uint8_t mixComponent(uint8_t a, uint8_t b, double t) {
    const double v = a + (b - a) * t;
    return static_cast<uint8_t>(std::lround(v < 0 ? 0 : v > 255 ? 255 : v));
}

}  // namespace

Rgb mix(Rgb a, Rgb b, double t) {
    return {mixComponent(a.r, b.r, t), mixComponent(a.g, b.g, t), mixComponent(a.b, b.b, t)};
}
