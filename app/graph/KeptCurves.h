#pragma once

#include "app/presenters/FittedText.h"
#include "app/texts/Texts.h"
#include "calc/SweepResult.h"
#include "plot/Surface.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <vector>

// Curves kept to be drawn beside the current one, so that stages can be compared.

// The most curves kept; one more takes the place of the oldest.
constexpr size_t kMaxKeptCurves = 6;

// The colour of each place: apart from the current curve's green, the grey grid, the silver
// background and each other.
inline constexpr std::array<Rgb, kMaxKeptCurves> kKeptCurveColors = {
    Rgb{0, 0, 255},   Rgb{220, 0, 0},   Rgb{200, 0, 200},
    Rgb{230, 120, 0}, Rgb{0, 160, 192}, Rgb{128, 64, 0}};

// One calculation kept: its stage and result, shared with whatever else still shows it, and the
// rows it computed.
struct KeptCurve {
    SharedResult Result;
    std::span<const double> Frequencies; // Hz, ascending
    std::span<const double> Ratio;       // |gain| per frequency
    std::span<const double> Decibels;    // 20·log10(Ratio)
    // log10 of the frequencies, the abscissae of the decibel graph, taken once when kept; empty
    // when a frequency is 0 Hz or below, and the curve cannot be drawn there.
    std::vector<double> LogFrequencies;

    bool Drawable(bool logScale) const { return !logScale || !LogFrequencies.empty(); }
};

// The kept curves by place, numbered 1 … 6 in the legend: a curve keeps its place, number and
// colour until the curves are forgotten; when all six places are taken, the next curve takes the
// place of the oldest.
class KeptCurves {
  public:
    // The enabling rules of the two commands: a curve needs two computed rows.
    static bool CanRemember(const SweepResult& result);
    bool CanForget() const { return !curves_.empty(); }

    // "Запомнить кривую": keeps the curve of `result`; nothing when it has none.
    void Remember(const SharedResult& result);
    // "Забыть кривые".
    void Forget();

    // By place: the curve at index i is number i + 1.
    const std::vector<KeptCurve>& Curves() const { return curves_; }

  private:
    std::vector<KeptCurve> curves_;
    size_t oldest_ = 0; // the place taken next once all are full
};

// What sets a kept curve apart from the current stage, as the grid names the parameters, in
// their units of entry: "R4 = 150 кОм, fкон = 1000 Гц"; "как текущая" when nothing does. A sweep
// of the other kind is named by its third field.
std::string DifferenceText(const Stage& kept, const Stage& current);
// The same one by one; none when nothing differs.
std::vector<std::string> Differences(const Stage& kept, const Stage& current);

// The legend's line for curve `number`: "1: R4 = 150 кОм", followed by " — не рисуется в дБ" when
// the curve cannot be drawn in the graph's mode.
std::string LegendLine(size_t number, const KeptCurve& curve, const Stage& current, bool logScale);
// The same shortened to `width` pixels as `measure` takes them: as many differences as fit, then
// how many more there are ("1: R3 = 1 кОм, R4 = 2 кОм и ещё 11"); cut with "…" where even one
// with the count does not fit.
std::string LegendLine(size_t number, const KeptCurve& curve, const Stage& current, bool logScale,
                       int32_t width, const TextWidth& measure);
