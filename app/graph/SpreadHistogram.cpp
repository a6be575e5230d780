#include "SpreadHistogram.h"

#include "app/presenters/ResultTable.h"
#include "app/spread/SpreadReport.h"
#include "app/texts/Fill.h"
#include "app/texts/SpreadTexts.h"
#include "app/texts/Texts.h"
#include "calc/Calculation.h"
#include "plot/HistogramChart.h"

#include <cmath>
#include <optional>

namespace {

// Pixels between the picture's edge and the bars on either side, above the title and below the
// range's ends; between the legend and the bars.
constexpr int32_t kSideMargin = 10;
constexpr int32_t kEdgeMargin = 2;
constexpr int32_t kBarsGap = 4;
// The legend: a stroke of each mark's colour, then its name in that colour.
constexpr int32_t kStrokeLength = 14;
constexpr int32_t kStrokeGap = 4;
constexpr int32_t kLegendEntryGap = 14;
constexpr Rgb kTextColor{0, 0, 0};

struct Quantity {
    const char* Name;
    // The trials whose value lies beyond the sweep, in the reading and in the picture; null where
    // none can.
    const char* BeyondSentence;
    const char* BeyondLine;
    const char* Unit;
    const PointSpread& Spread;
    std::optional<double> Nominal;
    // 5 % and 95 % of the corners of the tolerance box are no quantiles of the stages built:
    // there the picture marks none and its reading gives the extremes.
    bool Quantiles;
};

// The nominal peak in dB as the trials' are taken: as the result table's dB column. A stage the
// calculation accepted peaks above zero; a peak that does not has no mark, so that a paint never
// raises.
std::optional<double> NominalPeakDecibels(const GainSample& peak) {
    if (!(peak.ratio > 0 && std::isfinite(peak.ratio)))
        return std::nullopt;
    return Decibel(peak.ratio);
}

Quantity QuantityOf(const SpreadResult& result, SpreadHistogramKind kind) {
    const bool quantiles = result.Mode != SpreadMode::Corners;
    if (kind == SpreadHistogramKind::UpperEdge)
        return {kUpperEdgeHistogramName,
                kUpperEdgeAboveSweep,
                kHistogramAboveSweep,
                kHertz,
                result.UpperEdge,
                result.NominalPoints.UpperEdge,
                quantiles};
    return {kPeakGainHistogramName,
            nullptr,
            nullptr,
            kDecibelUnit,
            result.PeakDecibels,
            NominalPeakDecibels(result.NominalPoints.Peak),
            quantiles};
}

std::string BeyondText(const char* sentence, const Quantity& q, SpreadMode mode) {
    if (sentence == nullptr)
        return {};
    return BeyondSweepText(sentence, q.Spread, mode, GainText);
}

// A vertical mark over the bars at `value`: solid inside their range, dotted at the end it lies
// beyond.
void DrawMark(const Histogram& bins, ClipRect bars, double value, Rgb color, Surface& surface) {
    const bool inside = value >= bins.From && value <= bins.To;
    surface.SetPenStyle(inside ? PenStyle::Solid : PenStyle::Dotted);
    surface.SetPenColor(color);
    const int32_t x = HistogramColumn(bins.From, bins.To, bins.Counts.size(), bars, value);
    // Down to the row above the baseline, which stays whole.
    surface.MoveTo(x, bars.Top);
    surface.LineTo(x, bars.Bottom - 1);
}

int32_t DrawLegendEntry(Surface& surface, Point at, int32_t lineHeight, const char* text,
                        Rgb color) {
    surface.SetPenStyle(PenStyle::Solid);
    surface.SetPenColor(color);
    // Two pixels thick, to show the colour plainly.
    for (const int32_t y : {at.Y + lineHeight / 2 - 1, at.Y + lineHeight / 2}) {
        surface.MoveTo(at.X, y);
        surface.LineTo(at.X + kStrokeLength, y);
    }
    surface.SetTextInk(color);
    const int32_t textLeft = at.X + kStrokeLength + kStrokeGap;
    surface.TextOut(textLeft, at.Y, text);
    return textLeft + surface.MeasureText(text).Width;
}

void DrawEnds(const Histogram& bins, const SpreadHistogramLayout& layout, Surface& surface) {
    const std::string from = GainText(bins.From);
    if (bins.From == bins.To) {
        // One bar: its value once, centred under it.
        const int32_t x =
            HistogramColumn(bins.From, bins.To, bins.Counts.size(), layout.Bars, bins.From);
        surface.TextOut(x - surface.MeasureText(from).Width / 2, layout.EndsRow, from);
        return;
    }
    surface.TextOut(layout.Bars.Left, layout.EndsRow, from);
    const std::string to = GainText(bins.To);
    surface.TextOut(layout.Bars.Right - surface.MeasureText(to).Width, layout.EndsRow, to);
}

void DrawBars(const Quantity& q, const SpreadHistogramLayout& layout, Surface& surface) {
    const ClipRect bars = layout.Bars;
    const Histogram& bins = q.Spread.Bins;
    DrawHistogram(bins.From, bins.To, bins.Counts, bars, surface);
    if (q.Quantiles) {
        DrawMark(bins, bars, q.Spread.Values.Low, kQuantileMarkColor, surface);
        DrawMark(bins, bars, q.Spread.Values.High, kQuantileMarkColor, surface);
    }
    if (q.Nominal)
        DrawMark(bins, bars, *q.Nominal, kNominalMarkColor, surface);
    const int32_t lineHeight = layout.Legend.Y - layout.Title.Y;
    const int32_t next =
        DrawLegendEntry(surface, layout.Legend, lineHeight, kNominalMarkLegend, kNominalMarkColor);
    if (q.Quantiles)
        DrawLegendEntry(surface, {next + kLegendEntryGap, layout.Legend.Y}, lineHeight,
                        kQuantileMarksLegend, kQuantileMarkColor);
    surface.SetTextInk(kTextColor);
    DrawEnds(bins, layout, surface);
}

} // namespace

SpreadHistogramLayout LayOutSpreadHistogram(ClipRect clip, int32_t lineHeight, bool note) {
    const Point title{clip.Left + kSideMargin, clip.Top + kEdgeMargin};
    const Point legend{title.X, title.Y + lineHeight};
    const Point noteAt{title.X, legend.Y + lineHeight};
    const int32_t endsRow = clip.Bottom - kEdgeMargin - lineHeight;
    return {title, legend,
            ClipRect{clip.Left + kSideMargin, noteAt.Y + (note ? lineHeight : 0) + kBarsGap,
                     clip.Right - kSideMargin, endsRow},
            endsRow, noteAt};
}

void DrawSpreadHistogram(const SpreadResult& result, SpreadHistogramKind kind, Surface& surface) {
    const Quantity q = QuantityOf(result, kind);
    const std::string title = Fill(kHistogramTitle, {{"name", q.Name}, {"unit", q.Unit}});
    const std::string beyond = BeyondText(q.BeyondLine, q, result.Mode);
    const bool bars = !q.Spread.Bins.Counts.empty();
    const SpreadHistogramLayout layout = LayOutSpreadHistogram(
        surface.Clip(), surface.MeasureText(title).Height, bars && !beyond.empty());
    surface.SetTextInk(kTextColor);
    surface.TextOut(layout.Title.X, layout.Title.Y, title);
    if (!bars) {
        // No value within the sweep: what there is to say, in the middle.
        const std::string none = beyond.empty() ? std::string(kNoEdge) : beyond;
        const TextBoxSize size = surface.MeasureText(none);
        surface.TextOut((layout.Bars.Left + layout.Bars.Right - size.Width) / 2,
                        (layout.Bars.Top + layout.Bars.Bottom - size.Height) / 2, none);
        return;
    }
    if (!beyond.empty())
        surface.TextOut(layout.Note.X, layout.Note.Y, beyond);
    DrawBars(q, layout, surface);
}

std::string SpreadHistogramText(const SpreadResult& result, SpreadHistogramKind kind) {
    const Quantity q = QuantityOf(result, kind);
    if (q.Spread.Trials == 0)
        return Fill(kHistogramNoneReading, {{"name", q.Name}, {"none", kNoEdge}});
    // As the results box writes them: "> 5000" beyond the sweep.
    const auto value = [&](double FiveQuantiles::*quantile) {
        return QuantileText(q.Spread, quantile, GainText);
    };
    const std::string reading =
        Fill(q.Quantiles ? kHistogramQuantilesReading : kHistogramExtremesReading,
             {{"name", q.Name},
              {"low", value(q.Quantiles ? &FiveQuantiles::Low : &FiveQuantiles::Min)},
              {"high", value(q.Quantiles ? &FiveQuantiles::High : &FiveQuantiles::Max)},
              {"unit", q.Unit},
              {"nominal", q.Nominal ? Fill(kHistogramNominal,
                                           {{"nominal", GainText(*q.Nominal)}, {"unit", q.Unit}})
                                    : std::string(kEdgeOutOfRange)}});
    const std::string beyond = BeyondText(q.BeyondSentence, q, result.Mode);
    return beyond.empty()
               ? reading
               : Fill(kHistogramBeyondReading, {{"reading", reading}, {"beyond", beyond}});
}
