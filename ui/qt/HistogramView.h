#pragma once

#include "analysis/SpreadAnalysis.h"
#include "app/graph/SpreadHistogram.h"

#include <QWidget>

#include <memory>

// One histogram picture of the tolerance analysis's results box (the upper −3 dB edge's or the
// peak gain's), at the picture's size, drawn anew at every paint from the result it was last
// handed. Its accessible name reads the picture in a line.
class HistogramView final : public QWidget {
  public:
    HistogramView(SpreadHistogramKind kind, std::shared_ptr<const SpreadResult> result,
                  QWidget* parent = nullptr);

    // The result drawn from the next paint on; nullptr leaves the picture blank.
    void Show(std::shared_ptr<const SpreadResult> result);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    SpreadHistogramKind kind_;
    std::shared_ptr<const SpreadResult> result_;
};
