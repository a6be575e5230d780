#include "GraphPicture.h"

#include "GraphReadout.h"
#include "plot/mGraf.h"

#include <algorithm>

namespace {

constexpr const char* kRatioTitle = "k, раз";
constexpr const char* kFrequencyTitle = "f, Гц";
constexpr const char* kDecibelTitle = "k, дБ";
constexpr const char* kLogFrequencyTitle = "log(f)";

arDouble Head(const arDouble& series, size_t count) {
    return arDouble(series.begin(), series.begin() + static_cast<std::ptrdiff_t>(count));
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
    const auto computed = static_cast<size_t>(ComputedRows(state_));
    if (computed < 2)
        return;
    const arDouble& gains = state_.LogScale ? state_.Decibels : state_.Ratio;
    // Copies only after a calculation stopped part way.
    const bool whole = computed == state_.Frequencies.size();
    const arDouble headFrequencies = whole ? arDouble() : Head(state_.Frequencies, computed);
    const arDouble headGains = whole ? arDouble() : Head(gains, computed);
    const arDouble& frequencies = whole ? state_.Frequencies : headFrequencies;
    const arDouble& ys = whole ? gains : headGains;

    if (state_.LogScale)
        DrawChart(Log10Series(frequencies, static_cast<int32_t>(computed)), ys, kGraphDivisions,
                  surface);
    else
        DrawChart(frequencies, ys, kGraphDivisions, surface);
    surface.TextOut(20, 30, state_.LogScale ? kDecibelTitle : kRatioTitle);
    surface.TextOut(outerWidth - 90, outerHeight - 60,
                    state_.LogScale ? kLogFrequencyTitle : kFrequencyTitle);
}
