#pragma once

#include "CalcState.h"
#include "plot/Surface.h"

#include <cstdint>

// The graph window's picture, for every set of windows: the curve of the rows the last
// calculation computed, as gain ratio over frequency or as decibels over log10 of frequency,
// with the axis titles. It holds no data: each paint draws from the calculation state as it then
// stands.
class GraphPicture {
  public:
    explicit GraphPicture(const CalcState& state) : state_(state) {}

    // Draws onto the surface; `outerWidth` and `outerHeight` are the window's size with frame and
    // caption, which place the horizontal axis title. A floating-point error ends the paint and is
    // rethrown for the top-level handler, once: until Rearm the picture draws nothing (the window
    // shows its background), so resizing or uncovering the window does not report it again.
    void Paint(Surface& surface, int32_t outerWidth, int32_t outerHeight);

    // A calculation has ended or "график" was pressed: the next paint tries again.
    void Rearm() { failed_ = false; }

  private:
    void Draw(Surface& surface, int32_t outerWidth, int32_t outerHeight) const;

    const CalcState& state_;
    bool failed_ = false;
};
