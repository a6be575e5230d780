#pragma once

#include "plot/LinePixels.h"
#include "plot/Surface.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

// Sets pixels as the windows' surfaces do (LinePixels), keeping each one's last colour, and
// writes each text as "x,y text"; the estimated 7 × 16 font.
class PixelSurface final : public Surface {
  public:
    explicit PixelSurface(ClipRect clip) : clip_(clip) {}
    ClipRect Clip() const override { return clip_; }
    void SetPenStyle(PenStyle style) override { style_ = style; }
    void SetPenColor(Rgb color) override { pen_ = color; }
    void MoveTo(int32_t x, int32_t y) override { at_ = {x, y}; }
    void LineTo(int32_t x, int32_t y) override {
        LinePixels(at_, {x, y}, style_, [this](int32_t px, int32_t py) {
            pixels[{px, py}] = pen_;
        });
        at_ = {x, y};
    }
    void TextOut(int32_t x, int32_t y, std::string_view text) override {
        texts.push_back(std::to_string(x) + "," + std::to_string(y) + " " + std::string(text));
    }

    // The pixels of `color` in column x from row `top` down.
    int Count(int32_t x, Rgb color, int32_t top = 0) const {
        int n = 0;
        for (const auto& [at, c] : pixels)
            n += at.first == x && at.second >= top && c == color;
        return n;
    }
    bool AllInside(ClipRect box) const {
        for (const auto& [at, c] : pixels)
            if (at.first < box.Left || at.first >= box.Right || at.second < box.Top ||
                at.second >= box.Bottom)
                return false;
        return true;
    }

    std::map<std::pair<int32_t, int32_t>, Rgb> pixels; // by (x, y)
    std::vector<std::string> texts;

  private:
    ClipRect clip_;
    PenStyle style_ = PenStyle::Solid;
    Rgb pen_{0, 0, 0};
    Point at_{0, 0};
};
