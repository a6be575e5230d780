#pragma once

#include "FakeFormView.h"
#include "FixedWidthText.h"
#include "app/presenters/MainPresenter.h"
#include "app/presenters/MainView.h"

#include <array>
#include <string>

// The stage the presenters' tests type: C2 10 pF, the op-amp's gain 1E5.
inline const std::array<std::string, 13> kTypicalStage = {
    "100", "1000", "1", "99", "1000", "10", "10", "100", "1", "1", "100000", "10", "1"};

// The main window as its presenter sees it. Its result table is the presenter's, as in the real
// windows; `form` is set once the presenter is made.
class FakeMainView : public FakeWindow<MainView> {
  public:
    ResultTable& Results() override { return form->Results(); }
    void ShowGraphWindow() override { ++graphShown; }
    void ShowHelpWindow() override { ++helpShown; }
    void SetParameterColumnWidths(int names, int values) override {
        columnWidths = {names, values};
    }
    void SetSeparatorLabel(const std::string& text) override { separatorLabel = text; }
    void SetSweepLabel(const std::string& text, const std::string& fieldName) override {
        sweepLabel = text;
        sweepFieldName = fieldName;
    }
    int32_t SweepLabelWidth(const std::string& text) const override {
        return FixedWidth(text, characterWidth);
    }
    void SetCaption(const std::string& text) override { caption = text; }
    void MenusChanged() override { ++menusChanged; }
    void CloseWindow() override { ++closed; }

    MainPresenter* form = nullptr;
    int graphShown = 0;
    int helpShown = 0;
    std::array<int, 2> columnWidths{};
    std::string separatorLabel;
    std::string sweepLabel;
    std::string sweepFieldName;
    int32_t characterWidth = 7;
    std::string caption;
    int menusChanged = 0;
    int closed = 0;
};
