#pragma once

#include "plot/Surface.h"

#include <cstdlib>

// The pixels of a one-pixel line from `from` to `to`, `to` left out, by Bresenham's algorithm;
// a dotted line sets every other pixel, starting with the first. Each pixel set is handed to
// `set(x, y)`. The surfaces that cannot leave the pixels to their toolkit draw with it, so all of
// them set the same ones.
template <class SetPixel> void LinePixels(Point from, Point to, PenStyle style, SetPixel set) {
    const int32_t dx = std::abs(to.X - from.X);
    const int32_t dy = -std::abs(to.Y - from.Y);
    const int32_t sx = from.X < to.X ? 1 : -1;
    const int32_t sy = from.Y < to.Y ? 1 : -1;
    int32_t error = dx + dy;
    bool on = true;
    for (Point p = from; p != to;) {
        if (on)
            set(p.X, p.Y);
        if (style == PenStyle::Dotted)
            on = !on;
        const int32_t twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.X += sx;
        }
        if (twice <= dx) {
            error += dx;
            p.Y += sy;
        }
    }
}
