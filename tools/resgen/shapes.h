// Small geometry for drawing pictures by code: distances, and a 4 x 4
// supersampling renderer that smooths the edges of shapes.
#pragma once

#include <cmath>

#include "tools/resgen/image.h"

struct Point {
    double x, y;
};

inline double distance(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y); }

// Distance from p to the segment a-b.
inline double segmentDistance(Point p, Point a, Point b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    double t = ((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy);
    t = t < 0 ? 0 : t > 1 ? 1 : t;
    return distance(p, {a.x + t * dx, a.y + t * dy});
}

// Signed distance to a rectangle with rounded corners: negative inside.
inline double roundedRectangleDistance(Point p, Point topLeft, Point bottomRight, double radius) {
    const double cx = (topLeft.x + bottomRight.x) / 2, cy = (topLeft.y + bottomRight.y) / 2;
    const double hx = (bottomRight.x - topLeft.x) / 2 - radius, hy = (bottomRight.y - topLeft.y) / 2 - radius;
    const double qx = std::fabs(p.x - cx) - hx, qy = std::fabs(p.y - cy) - hy;
    const double outside = std::hypot(qx > 0 ? qx : 0, qy > 0 ? qy : 0);
    const double inside = std::fmin(std::fmax(qx, qy), 0.0);
    return outside + inside - radius;
}

// Every pixel is the mean of 16 samples of colourAt(point).
template <typename ColourAt>
void renderSupersampled(Image& image, ColourAt colourAt) {
    for (int y = 0; y < image.height; y++) {
        for (int x = 0; x < image.width; x++) {
            double r = 0, g = 0, b = 0;
            for (int sy = 0; sy < 4; sy++)
                for (int sx = 0; sx < 4; sx++) {
                    const Rgb c = colourAt(Point{x + (sx + 0.5) / 4, y + (sy + 0.5) / 4});
                    r += c.r;
                    g += c.g;
                    b += c.b;
                }
            image.at(x, y) = {uint8_t(std::lround(r / 16)), uint8_t(std::lround(g / 16)), uint8_t(std::lround(b / 16))};
        }
    }
}
