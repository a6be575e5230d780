#pragma once

#include "plot/LinePixels.h"
#include "plot/Surface.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

// A surface that sets pixels as the windows' surfaces do (LinePixels) and keeps each pixel's last
// colour, and the texts with where and in what ink they were written; the estimated 7 × 16 font.
class PixelSurface final : public Surface {
  public:
    explicit PixelSurface(ClipRect clip) : clip_(clip) {}

    struct Text {
        Point At;
        std::string Value;
        Rgb Ink;
    };

    ClipRect Clip() const override { return clip_; }
    void SetPenStyle(PenStyle style) override { style_ = style; }
    void SetPenColor(Rgb color) override { pen_ = color; }
    void MoveTo(int32_t x, int32_t y) override { current_ = {x, y}; }
    void LineTo(int32_t x, int32_t y) override {
        LinePixels(current_, {x, y}, style_, [this](int32_t px, int32_t py) {
            pixels[{px, py}] = pen_;
        });
        current_ = {x, y};
    }
    void TextOut(int32_t x, int32_t y, std::string_view text) override {
        texts.push_back({{x, y}, std::string(text), ink_});
    }
    void SetTextInk(Rgb ink) override { ink_ = ink; }

    // The pixels of `color` in column x, and the columns holding any.
    int Count(int32_t x, Rgb color) const {
        int n = 0;
        for (const auto& [at, c] : pixels)
            n += at.first == x && c == color;
        return n;
    }
    std::vector<int32_t> Columns(Rgb color) const {
        std::vector<int32_t> xs;
        for (const auto& [at, c] : pixels)
            if (c == color && (xs.empty() || xs.back() != at.first))
                xs.push_back(at.first);
        return xs;
    }
    // Whether every pixel set lies inside the box.
    bool AllInside(ClipRect box) const {
        for (const auto& [at, c] : pixels)
            if (at.first < box.Left || at.first >= box.Right || at.second < box.Top ||
                at.second >= box.Bottom)
                return false;
        return true;
    }

    std::map<std::pair<int32_t, int32_t>, Rgb> pixels; // by (x, y): ordered by column
    std::vector<Text> texts;

  private:
    ClipRect clip_;
    PenStyle style_ = PenStyle::Solid;
    Rgb pen_{0, 0, 0};
    Rgb ink_{0, 0, 0};
    Point current_{0, 0};
};
