#pragma once

#include "analysis/SpreadAnalysis.h"
#include "app/graph/KeptCurves.h"
#include "app/presenters/FittedText.h"
#include "calc/SweepResult.h"
#include "plot/Chart.h"
#include "plot/Surface.h"

#include <cstdint>
#include <memory>
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
// lines as its height holds: the kept curves' by place, the band's (`bandLine`, when not empty) and
// the current curve's last; the last two always.
LegendLayout LayOutLegend(const KeptCurves& kept, const Stage& current, bool logScale,
                          ClipRect room, int32_t lineHeight, const TextWidth& measure,
                          const std::string& bandLine = {});

// The graph window's picture, for every set of windows: the curve of the rows the last
// calculation computed, as gain ratio over frequency or as decibels over log10 of frequency,
// with the axis titles; the kept curves, if any, under it with a legend naming how each differs;
// under all of them the tolerance analysis's band, when it was formed over this sweep, and the
// stage's requirements.
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
    // The tolerance analysis's band, drawn from the next paint on while it fits the result shown;
    // none for nullptr.
    void SetBand(std::shared_ptr<const SpreadResult> band) { band_ = std::move(band); }
    const SpreadResult* Band() const { return band_.get(); }
    // The stage's requirements, drawn from the next paint on; none when it has none.
    void SetRequirements(const YieldLimits& requirements) { requirements_ = requirements; }
    // The band when it lies under the curve shown, else nullptr.
    const SpreadResult* BandShown() const;

  private:
    void Draw(Surface& surface, int32_t outerWidth, int32_t outerHeight) const;
    void DrawLegend(Surface& surface, const ChartAxis& vertical, int32_t outerHeight) const;

    SharedResult result_ = NoResult();
    bool logScale_ = false;
    const KeptCurves* kept_ = nullptr;
    std::shared_ptr<const SpreadResult> band_;
    YieldLimits requirements_;
    bool failed_ = false;
};
