#pragma once

#include "Controls.h"
#include "Window.h"
#include "analysis/SpreadAnalysis.h"
#include "app/graph/SpreadHistogram.h"

#include <memory>
#include <string>

// One histogram picture of the tolerance analysis's results box (the upper −3 dB edge's or the
// peak gain's): a child window drawing the picture anew at every paint from the result it was
// last handed, laid out at 96 DPI and scaled to the window's DPI as the graph is. Its window text
// reads the picture in a line, and is its accessible name.
class HistogramControl final : public Window {
  public:
    // A child of `parent` at `bounds`, in the parent's client pixels (the picture's size scaled
    // to the parent's DPI, ScaleToDpi), with control identifier `id`.
    HistogramControl(HWND parent, RECT bounds, SpreadHistogramKind kind,
                     std::shared_ptr<const SpreadResult> result, int id = 0);

    // The result drawn from the next paint on; nullptr leaves the picture blank.
    void Show(std::shared_ptr<const SpreadResult> result);
    // The font its texts are drawn in.
    HFONT Font() const { return font_.get(); }

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Draws the client area into `dc`.
    void Paint(HDC dc);

    SpreadHistogramKind kind_;
    std::shared_ptr<const SpreadResult> result_;
    GdiHandle<HFONT> font_;
};
