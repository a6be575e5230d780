#pragma once

#include "analysis/SpreadAnalysis.h"
#include "plot/Surface.h"

#include <cstdint>
#include <string>

// The histogram pictures of the tolerance analysis's results box, for every set of windows: how
// the trials' upper −3 dB edge or peak gain spread, with the nominal stage's value and the 5 % and
// 95 % points marked.

enum class SpreadHistogramKind {
    UpperEdge, // Hz
    PeakGain,  // dB
};

// The picture's size in pixels at 96 DPI; a window shows it scaled to its DPI.
inline constexpr int32_t kSpreadHistogramWidth = 320;
inline constexpr int32_t kSpreadHistogramHeight = 170;

// The marks across the bars.
constexpr Rgb kNominalMarkColor{220, 0, 0};
constexpr Rgb kQuantileMarkColor{0, 0, 255};

// The parts of the picture in a clip rectangle whose text lines are `lineHeight` high: the title,
// the legend under it, with `note` a line under that, the bars (and their marks) and the row of
// the range's ends under them.
struct SpreadHistogramLayout {
    Point Title;
    Point Legend;
    ClipRect Bars;
    int32_t EndsRow;
    Point Note;
};
SpreadHistogramLayout LayOutSpreadHistogram(ClipRect clip, int32_t lineHeight, bool note = false);

// Draws the picture into the surface's clip rectangle: the title, and then either the bars of the
// values within the sweep with the marks and the range's ends (and a line under the legend
// counting the trials whose edge lies beyond the sweep, where there are any), or, when no value
// lies within it, that count alone ("нет" when no trial has the point). A mark whose value lies
// beyond the bars' range stands dotted at the end it lies beyond. The corners' analysis has no
// 5 % and 95 % marks.
void DrawSpreadHistogram(const SpreadResult& result, SpreadHistogramKind kind, Surface& surface);

// The picture in one line, for a screen reader:
// "пиковое усиление: 5 % … 95 % = 25.9 … 26.6 дБ, номинал 26.2 дБ" ("мин … макс" for the
// corners); a quantile beyond the sweep as "> 5000", and the count of the trials beyond after
// "; ".
std::string SpreadHistogramText(const SpreadResult& result, SpreadHistogramKind kind);
