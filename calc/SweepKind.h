#pragma once

// How the sweep steps from its start to its end frequency: by the step in Hz, or by a number of
// points per decade.
enum class SweepKind { Linear, Decade };
