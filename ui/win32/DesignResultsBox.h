#pragma once

#include "DialogWindow.h"

#include <string>
#include <vector>

class DesignPresenter;

// The results box "Подбор номиналов: кандидаты": the summary, the legend, the candidates one a
// line with the best selected, "Применить" (the default; a double click on a line too),
// "Копировать" and "Закрыть". Modal: made anew for each search.
class DesignResultsBox final : public DialogWindow {
  public:
    DesignResultsBox(HWND owner, DesignPresenter& form);

    // Shows them and runs until "Применить" or "Закрыть".
    void Run(const std::string& summary, const std::vector<std::string>& lines);

  private:
    void Command(int id, int notification) override;
    void Close() override { EndModal(); }
    void LaidOut(UINT dpi) override;
    // The list scrolls sideways as far as its longest line.
    void FitScrollWidth();

    DesignPresenter& presenter_;
};
