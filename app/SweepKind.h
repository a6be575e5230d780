#pragma once

// How the third sweep field is read: a step in Hz, or a number of points per decade.
enum class SweepKind { Linear, Decade };
