#pragma once

#include "app/texts/Texts.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Texts fitted into a width of pixels, for every set of windows: the window measures a text in
// its font, the decision what to show is taken here.

// The pixels a text takes in the font it is shown in.
using TextWidth = std::function<int32_t(std::string_view text)>;

// The text when it fits `width`; else its longest start (whole characters, trailing blanks
// dropped) that fits with kCutMark after it; kCutMark alone when no character does.
std::string CutToFit(std::string_view text, int32_t width, const TextWidth& measure);

// A grid cell as shown: its text fitted to the cell, and the tooltip that shows the whole text of
// a cut one ("" for a cell shown whole). Copying takes the whole text either way.
struct ShownCell {
    std::string Text;
    std::string Tooltip;
};
ShownCell FitCell(const std::string& text, int32_t width, const TextWidth& measure);
