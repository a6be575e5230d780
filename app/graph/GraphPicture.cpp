#include "GraphPicture.h"

#include "app/graph/GraphReadout.h"
#include "app/texts/Texts.h"
#include "plot/Chart.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The legend: a stroke of each curve's colour, then its line of text in that colour, in the top
// right corner of the chart, this far inside its frame.
constexpr int32_t kLegendInset = 8;
constexpr int32_t kStrokeLength = 20;
constexpr int32_t kStrokeGap = 6;
constexpr Rgb kTextColor{0, 0, 0};

void DrawNoPointsText(Surface& surface) {
    const ClipRect clip = surface.Clip();
    const TextBoxSize size = surface.MeasureText(kNoPoints);
    surface.TextOut(static_cast<int32_t>((int64_t{clip.Left} + clip.Right - size.Width) / 2),
                    static_cast<int32_t>((int64_t{clip.Top} + clip.Bottom - size.Height) / 2),
                    kNoPoints);
}

} // namespace

void GraphPicture::Paint(Surface& surface, int32_t outerWidth, int32_t outerHeight) {
    if (failed_)
        return;
    try {
        Draw(surface, outerWidth, outerHeight);
    } catch (...) {
        failed_ = true;
        throw;
    }
}

void GraphPicture::Draw(Surface& surface, int32_t outerWidth, int32_t outerHeight) const {
    // Only what the last calculation computed is drawn, and scaled: rows past it hold an earlier
    // calculation's gains. Fewer than two points make no curve.
    const SweepResult& result = *result_;
    if (result.Computed < 2)
        return DrawNoPointsText(surface);
    const arDouble logFrequencies =
        logScale_ ? Log10Series(result.Frequencies, result.Computed) : arDouble();
    const Series abscissae = logScale_ ? Series(logFrequencies) : result.ComputedFrequencies();
    DrawChart(GraphCurves(result, logScale_, kept_, abscissae), kGraphDivisions, surface);
    surface.TextOut(20, 30, logScale_ ? kDecibelTitle : kRatioTitle);
    surface.TextOut(outerWidth - 90, outerHeight - 60,
                    logScale_ ? kLogFrequencyTitle : kFrequencyTitle);
    if (kept_ != nullptr && !kept_->Curves().empty())
        DrawLegend(surface);
}

void GraphPicture::DrawLegend(Surface& surface) const {
    struct Line {
        std::string text;
        Rgb color;
    };
    std::vector<Line> lines;
    const std::vector<KeptCurve>& kept = kept_->Curves();
    for (size_t place = 0; place < kept.size(); ++place)
        lines.push_back({LegendLine(place + 1, kept[place], result_->Entered, logScale_),
                         kKeptCurveColors[place]});
    lines.push_back({kCurrentCurveLegend, kCurveColor});

    TextBoxSize box{0, 0};
    for (const Line& line : lines) {
        const TextBoxSize size = surface.MeasureText(line.text);
        box = {std::max(box.Width, size.Width), std::max(box.Height, size.Height)};
    }
    const int32_t left =
        surface.Clip().Right - kChartMargin - kLegendInset - box.Width - kStrokeGap - kStrokeLength;
    int32_t top = kChartMargin + kLegendInset;
    surface.SetPenStyle(PenStyle::Solid);
    for (const Line& line : lines) {
        // Two pixels thick, to show the colour plainly.
        surface.SetPenColor(line.color);
        for (const int32_t y : {top + box.Height / 2 - 1, top + box.Height / 2}) {
            surface.MoveTo(left, y);
            surface.LineTo(left + kStrokeLength, y);
        }
        surface.SetTextInk(line.color);
        surface.TextOut(left + kStrokeLength + kStrokeGap, top, line.text);
        top += box.Height;
    }
    surface.SetTextInk(kTextColor);
}
