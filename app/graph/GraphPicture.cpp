#include "GraphPicture.h"

#include "app/graph/GraphReadout.h"
#include "app/graph/RequirementMarks.h"
#include "app/graph/SpreadBand.h"
#include "app/texts/Texts.h"
#include "plot/BandFill.h"
#include "plot/Chart.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The axis titles: the vertical one at a point of the client area, the horizontal one this far
// from the window's outer size.
constexpr Point kVerticalTitle{20, 30};
constexpr Point kHorizontalTitleFromOuter{90, 60};

// The legend: a stroke of each curve's colour, then its line of text in that colour, in a framed
// box of its own in the top right corner of the chart, this far from the chart's frame and its
// labels.
constexpr int32_t kLegendInset = 8;
constexpr int32_t kLegendPadding = 4; // the frame's line included
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
    const std::vector<double> logFrequencies =
        logScale_ ? Log10Series(result.Frequencies, result.Computed) : std::vector<double>();
    const Series abscissae = logScale_ ? Series(logFrequencies) : result.ComputedFrequencies();
    const SpreadResult* band = BandShown();
    const BandSeries series = band != nullptr ? BandOnGraph(*band, logScale_) : BandSeries();
    const std::vector<ChartCurve> curves =
        GraphCurves(result, logScale_, kept_, abscissae, band != nullptr ? &series : nullptr);
    if (band != nullptr || requirements_.Any()) {
        // The band's edges range the axes with the curves; it is filled first, then the
        // requirements are marked over it, both under the grid and the curves.
        const ChartAxis x = HorizontalAxis(curves, kGraphDivisions, surface.Clip());
        const ChartAxis y = VerticalAxis(curves, kGraphDivisions, surface.Clip());
        surface.SetPenStyle(PenStyle::Solid);
        if (band != nullptr) {
            surface.SetPenColor(kBandOuterColor);
            FillBand(series.Xs, series.Min, series.Max, x, y, surface);
            if (band->Mode == SpreadMode::MonteCarlo) {
                surface.SetPenColor(kBandInnerColor);
                FillBand(series.Xs, series.Low, series.High, x, y, surface);
            }
        }
        if (requirements_.Any())
            DrawRequirements(requirements_, logScale_, result.Frequencies[0],
                             result.Frequencies[static_cast<size_t>(result.Computed) - 1], x, y,
                             surface);
    }
    DrawChart(curves, kGraphDivisions, surface);
    surface.TextOut(kVerticalTitle.X, kVerticalTitle.Y, logScale_ ? kDecibelTitle : kRatioTitle);
    surface.TextOut(outerWidth - kHorizontalTitleFromOuter.X,
                    outerHeight - kHorizontalTitleFromOuter.Y,
                    logScale_ ? kLogFrequencyTitle : kFrequencyTitle);
    if ((kept_ != nullptr && !kept_->Curves().empty()) || band != nullptr)
        DrawLegend(surface, VerticalAxis(curves, kGraphDivisions, surface.Clip()), outerHeight);
}

const SpreadResult* GraphPicture::BandShown() const {
    return band_ != nullptr && BandFits(*band_, *result_) ? band_.get() : nullptr;
}

LegendLayout LayOutLegend(const KeptCurves& kept, const Stage& current, bool logScale,
                          ClipRect room, int32_t lineHeight, const TextWidth& measure,
                          const std::string& bandLine) {
    LegendLayout legend{{room.Right, room.Top, room.Right, room.Top}, lineHeight, {}};
    const int32_t textWidth =
        room.Right - room.Left - 2 * kLegendPadding - kStrokeLength - kStrokeGap;
    const int32_t rows = (room.Bottom - room.Top - 2 * kLegendPadding) / std::max(lineHeight, 1);
    if (rows < 1 || textWidth < measure(kCutMark))
        return legend;
    const std::vector<KeptCurve>& curves = kept.Curves();
    // The current curve's line and the band's always have room.
    const size_t always = bandLine.empty() ? 1 : 2;
    for (size_t place = 0; place < curves.size() && legend.Lines.size() + always < size_t(rows);
         ++place)
        legend.Lines.push_back(
            {LegendLine(place + 1, curves[place], current, logScale, textWidth, measure),
             kKeptCurveColors[place]});
    if (!bandLine.empty() && rows >= 2)
        legend.Lines.push_back({CutToFit(bandLine, textWidth, measure), kBandLegendColor});
    legend.Lines.push_back({CutToFit(kCurrentCurveLegend, textWidth, measure), kCurveColor});

    int32_t widest = 0;
    for (const LegendEntry& line : legend.Lines)
        widest = std::max(widest, measure(line.Text));
    legend.Box.Left = room.Right - (2 * kLegendPadding + kStrokeLength + kStrokeGap + widest);
    legend.Box.Bottom =
        room.Top + 2 * kLegendPadding + static_cast<int32_t>(legend.Lines.size()) * lineHeight;
    return legend;
}

void GraphPicture::DrawLegend(Surface& surface, const ChartAxis& vertical,
                              int32_t outerHeight) const {
    const auto measure = [&](std::string_view text) { return surface.MeasureText(text).Width; };
    // Clear of the vertical axis's labels and title on the left, of the horizontal axis's labels
    // below the chart and of its title in the bottom right corner.
    int32_t labels = kVerticalTitle.X + measure(logScale_ ? kDecibelTitle : kRatioTitle);
    for (int32_t k = 0; k <= kGraphDivisions; ++k)
        labels = std::max(labels, kChartMargin + measure(GridLabel(vertical, k)));
    const ClipRect clip = surface.Clip();
    const ClipRect room{
        labels + kLegendInset, clip.Top + kChartMargin + kLegendInset,
        clip.Right - kChartMargin - kLegendInset,
        std::min(clip.Bottom - kChartMargin, outerHeight - kHorizontalTitleFromOuter.Y) -
            kLegendInset};
    const LegendLayout legend =
        LayOutLegend(kept_ != nullptr ? *kept_ : KeptCurves(), result_->Entered, logScale_, room,
                     surface.MeasureText(kCurrentCurveLegend).Height, measure,
                     BandShown() != nullptr ? BandLegendLine(*BandShown()) : std::string());
    if (legend.Lines.empty())
        return;

    const ClipRect box = legend.Box;
    surface.FillBackground(box);
    surface.SetPenStyle(PenStyle::Solid);
    surface.SetPenColor(kGridColor);
    surface.MoveTo(box.Left, box.Top);
    surface.LineTo(box.Right - 1, box.Top);
    surface.LineTo(box.Right - 1, box.Bottom - 1);
    surface.LineTo(box.Left, box.Bottom - 1);
    surface.LineTo(box.Left, box.Top);
    const int32_t left = box.Left + kLegendPadding;
    int32_t top = box.Top + kLegendPadding;
    for (const LegendEntry& line : legend.Lines) {
        // Two pixels thick, to show the colour plainly.
        surface.SetPenColor(line.Color);
        for (const int32_t y : {top + legend.LineHeight / 2 - 1, top + legend.LineHeight / 2}) {
            surface.MoveTo(left, y);
            surface.LineTo(left + kStrokeLength, y);
        }
        surface.SetTextInk(line.Color);
        surface.TextOut(left + kStrokeLength + kStrokeGap, top, line.Text);
        top += legend.LineHeight;
    }
    surface.SetTextInk(kTextColor);
}
