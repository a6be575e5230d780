#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// What the chart draws on: a pen of one pixel, lines between pixel positions and text. Plain C++
// so the chart can be drawn (and checked) without a window; the window implements it over its
// painter.

struct Point {
    int32_t X;
    int32_t Y;
    friend bool operator==(const Point&, const Point&) = default;
};

// Edges in pixels; Right and Bottom are one past the last pixel, as in a Windows RECT.
struct ClipRect {
    int32_t Left;
    int32_t Top;
    int32_t Right;
    int32_t Bottom;
    friend bool operator==(const ClipRect&, const ClipRect&) = default;
};

enum class PenStyle { Solid, Dotted };

// 24-bit colour.
struct Rgb {
    uint8_t Red;
    uint8_t Green;
    uint8_t Blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The box a text fills, in pixels.
struct TextBoxSize {
    int32_t Width;
    int32_t Height;
};

class Surface {
  public:
    virtual ~Surface() = default;

    // The area drawing is clipped to; it may change between calls (a resized window).
    virtual ClipRect Clip() const = 0;

    // The pen is always one pixel wide; only its style and colour change.
    virtual void SetPenStyle(PenStyle style) = 0;
    virtual void SetPenColor(Rgb color) = 0;

    // A line from the current position to (x, y), not including the pixel at (x, y), which then
    // becomes the current position (as GDI's LineTo).
    virtual void MoveTo(int32_t x, int32_t y) = 0;
    virtual void LineTo(int32_t x, int32_t y) = 0;

    // UTF-8 text in the window font on the window background, its top-left corner at (x, y).
    virtual void TextOut(int32_t x, int32_t y, std::string_view text) = 0;

    // The colour of the text TextOut writes from now on; black until changed. A surface that
    // writes every text in black may ignore it.
    virtual void SetTextInk(Rgb) {}

    // Fills the box (Right and Bottom excluded) with the background TextOut writes on. A surface
    // that draws no background may ignore it.
    virtual void FillBackground(ClipRect) {}

    // The box TextOut fills with this text. A surface that cannot measure its font estimates it
    // for an 8-point font: 7 pixels a character, 16 a line.
    virtual TextBoxSize MeasureText(std::string_view text) const {
        int32_t characters = 0;
        for (const char c : text)
            characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80; // not a continuation
        return {7 * characters, 16};
    }

    // MoveTo the first point, then LineTo each following one. A curve has up to a million points:
    // a surface that can draw them in one call overrides this, with the same pixels.
    virtual void Polyline(const Point* points, size_t count) {
        if (count == 0)
            return;
        MoveTo(points[0].X, points[0].Y);
        for (size_t i = 1; i < count; ++i)
            LineTo(points[i].X, points[i].Y);
    }
};
