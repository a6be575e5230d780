#pragma once

#include "DialogWindow.h"
#include "HistogramControl.h"
#include "analysis/SpreadAnalysis.h"

#include <memory>
#include <string>

class SpreadPresenter;

// The results box "Разброс: итоги": the analysis's summary as read-only text, the histograms of
// the upper −3 dB edge and of the peak gain, "Копировать", "Сохранить разброс…" and "Закрыть".
// Not modal: it stays up beside the graph until closed, and shows the next run's results.
class SpreadResultsBox final : public DialogWindow {
  public:
    // The histograms' places at 96 DPI, right of the text, one above the other.
    static constexpr Bounds kUpperEdgeHistogramPlace = {376, 8, 320, 170};
    static constexpr Bounds kPeakGainHistogramPlace = {376, 186, 320, 170};

    SpreadResultsBox(HWND owner, SpreadPresenter& form);

    void ShowResults(const std::string& text, std::shared_ptr<const SpreadResult> result);

  private:
    void Command(int id, int notification) override;
    void Close() override;
    void LaidOut(UINT dpi) override;

    SpreadPresenter& presenter_;
    HistogramControl upperEdge_;
    HistogramControl peakGain_;
};
