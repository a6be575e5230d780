#pragma once

#include "app/graph/KeptCurves.h"
#include "app/presenters/FittedText.h"
#include "calc/SweepResult.h"
#include "plot/Chart.h"
#include "plot/Surface.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// The legend of the kept curves and the current one, as laid out for a paint.
struct LegendEntry {
    std::string Text;
    Rgb Color;
};
struct LegendLayout {
    ClipRect Box; // the frame, filled with the background; empty when no line fits
    int32_t LineHeight;
    std::vector<LegendEntry> Lines; // top to bottom, each after a stroke of its colour
};

// The legend in the top right corner of `room`, the part of the chart clear of the axis labels
// and titles: each line shortened to the room's width (the full list is in the readout), as many
// lines as its height holds, the current curve's always, the kept curves' by place.
LegendLayout LayOutLegend(const KeptCurves& kept, const Stage& current, bool logScale,
                          ClipRect room, int32_t lineHeight, const TextWidth& measure);

// The graph window's picture, for every set of windows: the curve of the rows the last
// calculation computed, as gain ratio over frequency or as decibels over log10 of frequency,
// with the axis titles; the kept curves, if any, under it with a legend naming how each differs.
// It draws the result it was last handed, in the mode it was handed with, and the kept curves as
// they stand at the paint. With fewer than two computed rows it says so in the middle of the
// window.
class GraphPicture {
  public:
    GraphPicture() = default;
    GraphPicture(SharedResult result, bool logScale)
        : result_(std::move(result)), logScale_(logScale) {}

    // The curve drawn from the next paint on: the result's computed rows, in dB over log10(f)
    // when `logScale`, else as a ratio over f.
    void Show(SharedResult result, bool logScale) {
        result_ = std::move(result);
        logScale_ = logScale;
    }
    const SweepResult& Result() const { return *result_; }
    const SharedResult& SharedCurrent() const { return result_; }
    bool LogScale() const { return logScale_; }

    // Draws onto the surface; `outerWidth` and `outerHeight` are the window's size with frame and
    // caption, which place the horizontal axis title. A floating-point error ends the paint and is
    // rethrown for the top-level handler, once: until Rearm the picture draws nothing (the window
    // shows its background), so resizing or uncovering the window does not report it again.
    void Paint(Surface& surface, int32_t outerWidth, int32_t outerHeight);

    // A calculation has ended or "график" was pressed: the next paint tries again.
    void Rearm() { failed_ = false; }

    // The curves drawn beside the current one from the next paint on; none for nullptr.
    void SetKeptCurves(const KeptCurves* kept) { kept_ = kept; }

  private:
    void Draw(Surface& surface, int32_t outerWidth, int32_t outerHeight) const;
    void DrawLegend(Surface& surface, const ChartAxis& vertical, int32_t outerHeight) const;

    SharedResult result_ = NoResult();
    bool logScale_ = false;
    const KeptCurves* kept_ = nullptr;
    bool failed_ = false;
};
