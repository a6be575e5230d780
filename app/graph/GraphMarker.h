#pragma once

#include "analysis/SpreadAnalysis.h"
#include "app/graph/KeptCurves.h"
#include "calc/SweepResult.h"
#include "plot/Surface.h"

#include <cstddef>
#include <optional>

// The graph's marker, its readout by keyboard: a computed point of the current curve chosen by
// keys, drawn on the chart, whose readout is the text the pointer's tooltip shows at that point.

// What a key asks of the marker: ←/→ a point, PgUp/PgDn ten, Home/End the first or the last.
enum class MarkerStep { Previous, Next, TenBack, TenOn, First, Last };

// The points a PgUp or a PgDn passes over.
inline constexpr size_t kMarkerPage = 10;

// The black of the marker, apart from every curve's colour.
inline constexpr Rgb kMarkerColor{0, 0, 0};

// The computed row the marker stands on after `step` from `current` over `computed` rows, stopping
// at the ends. Without a marker yet, a step forward (and Home) puts it on the first point, a step
// back (and End) on the last. None with fewer than two computed rows: no chart is drawn then.
std::optional<size_t> MovedMarker(std::optional<size_t> current, MarkerStep step, size_t computed);

// The pixel of computed row `row` of the current curve on the chart drawn into `area`, the kept
// curves and the band shown under the curve (or nullptr) widening its axes as they are drawn. None
// for a row not computed or a chart that cannot be drawn (its paint reports why).
std::optional<Point> MarkerPixel(const SweepResult& result, bool logScale, const KeptCurves* kept,
                                 const SpreadResult* band, ClipRect area, size_t row);

// The marker over the chart: a dotted vertical line through the point between the margins, and a
// square around the point.
void DrawMarker(Surface& surface, Point at);
