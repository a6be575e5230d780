#pragma once

#include "DialogWindow.h"
#include "app/spread/SpreadFields.h"

class SpreadPresenter;

// The dialog "Разброс" of "Расчет" → "Разброс…": the thirteen tolerances beside the parameter
// grid's names, the distribution and the kind of analysis, the trials and the seed, the six
// limits of the yield, OK and "Отмена". Its presenter is SpreadPresenter, which decides whether OK
// closes it.
class SpreadDialog final : public DialogWindow {
  public:
    SpreadDialog(HWND owner, SpreadPresenter& form);

    // Shows `fields` and runs, modal, until OK is accepted or the dialog is cancelled.
    void Run(const SpreadFields& fields);

  private:
    void Command(int id, int notification) override;
    void Close() override { EndModal(); }
    void ShowFields(const SpreadFields& fields);
    SpreadFields Fields() const;

    SpreadPresenter& presenter_;
};
