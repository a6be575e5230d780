#include "RequirementMarks.h"

#include "app/texts/DesignTexts.h"
#include "app/texts/Fill.h"
#include "app/texts/Texts.h"
#include "numerics/Extended.h"
#include "numerics/NumberText.h"

#include <algorithm>
#include <cmath>

namespace {

// A requirement far off the axes lies this many pixels beyond them at most, so no position
// overflows; the chart's clip cuts the rest.
constexpr Extended kFarOff = 100000;

// The position of v along the axis in whole pixels past the margin, as the chart rounds it.
int32_t Pixels(const ChartAxis& axis, Extended v) {
    const Extended at = std::clamp((v - axis.min) * axis.scale, -kFarOff, kFarOff);
    return static_cast<int32_t>(std::lround(at));
}

// A gain in dB as the vertical axis holds it; none where the ratio would be out of a double's range.
std::optional<Extended> GainOnAxis(double decibels, bool logScale) {
    if (logScale)
        return decibels;
    if (!(std::abs(decibels) < 6000))
        return std::nullopt;
    return std::pow(Extended(10), Extended(decibels) / 20);
}

Extended FrequencyOnAxis(double hertz, bool logScale) {
    return logScale ? std::log10(Extended(hertz)) : Extended(hertz);
}

} // namespace

void DrawRequirements(const YieldLimits& r, bool logScale, double sweepFrom, double sweepTo,
                      const ChartAxis& x, const ChartAxis& y, Surface& surface) {
    const ClipRect clip = surface.Clip();
    const int32_t left = clip.Left + kChartMargin, right = clip.Right - kChartMargin;
    const int32_t top = clip.Top + kChartMargin, bottom = clip.Bottom - kChartMargin;
    if (right <= left || bottom <= top)
        return;
    const auto column = [&](double hertz) {
        return kChartMargin + Pixels(x, FrequencyOnAxis(hertz, logScale));
    };
    const auto row = [&](Extended gain) { return clip.Bottom - kChartMargin - Pixels(y, gain); };

    const int32_t from = std::max(left, column(r.From.value_or(sweepFrom)));
    const int32_t to = std::min(right - 1, column(r.To.value_or(sweepTo)));
    surface.SetPenStyle(PenStyle::Solid);
    // Above the upper bound and below the lower one, each column from the bound to the frame.
    for (const auto& [bound, above] : {std::pair{r.MaxDb, true}, std::pair{r.MinDb, false}}) {
        const std::optional<Extended> gain = bound ? GainOnAxis(*bound, logScale) : std::nullopt;
        if (!gain)
            continue;
        const int32_t at = std::clamp(row(*gain), top, bottom);
        const int32_t shadeFrom = above ? top : at, shadeTo = above ? at : bottom;
        surface.SetPenColor(kRequirementShade);
        if (shadeTo > shadeFrom)
            for (int32_t c = from; c <= to; ++c) {
                surface.MoveTo(c, shadeFrom);
                surface.LineTo(c, shadeTo);
            }
        if (at > top && at < bottom && to >= from) {
            surface.SetPenColor(kRequirementColor);
            surface.MoveTo(from, at);
            surface.LineTo(to + 1, at);
        }
    }
    // The edges' limits, labelled at the top, the upper's a line lower.
    surface.SetPenStyle(PenStyle::Dotted);
    surface.SetPenColor(kRequirementColor);
    surface.SetTextInk(kRequirementColor);
    const char32_t separator = DecimalSeparator();
    int32_t labelTop = top + 2;
    for (const auto& [limit, marking] : {std::pair{r.LowerEdgeAt, kLowerEdgeMarking},
                                         std::pair{r.UpperEdgeAt, kUpperEdgeMarking}}) {
        if (!limit)
            continue;
        const int32_t c = column(*limit);
        const std::string label = Fill(marking, {{"limit", FrequencyText(*limit, separator)}});
        const TextBoxSize size = surface.MeasureText(label);
        if (c >= left && c < right) {
            surface.MoveTo(c, top);
            surface.LineTo(c, bottom);
            // Right of its line where it fits, else left of it.
            surface.TextOut(c + 3 + size.Width <= right ? c + 3 : c - 3 - size.Width, labelTop,
                            label);
        }
        labelTop += size.Height;
    }
    surface.SetTextInk({0, 0, 0});
    surface.SetPenStyle(PenStyle::Solid);
}
