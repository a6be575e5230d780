#pragma once

#include "app/presenters/GraphPresenter.h"

#include <string>
#include <utility>

// The graph window as its presenter sees it: shown or not, its repaints counted, its picture
// encoded as `png`, the marker's readout kept.
class FakeGraphView final : public GraphView {
  public:
    bool IsShown() const override { return shown; }
    void Repaint() override { ++repaints; }
    void CopyPictureToClipboard() override {}
    std::string PictureAsPng() override { return png; }
    void ShowMarkerReadout(const std::string& text, Point at) override { marker = {text, at}; }
    bool shown = false;
    int repaints = 0;
    std::string png;
    std::pair<std::string, Point> marker;
};
