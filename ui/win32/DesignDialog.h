#pragma once

#include "DialogWindow.h"
#include "app/design/DesignFields.h"

class DesignPresenter;

// The dialog "Подбор номиналов" of "Расчет" → "Подбор номиналов…": a check and a range per part
// R1 … C5 on the left, the two series and the six requirements on the right, OK and "Отмена".
// Its presenter is DesignPresenter, which decides whether OK closes it.
class DesignDialog final : public DialogWindow {
  public:
    DesignDialog(HWND owner, DesignPresenter& form);

    // Shows `fields` and runs, modal, until OK is accepted or the dialog is cancelled.
    void Run(const DesignFields& fields);

  private:
    void Command(int id, int notification) override;
    void Close() override { EndModal(); }
    void ShowFields(const DesignFields& fields);
    DesignFields Fields() const;

    DesignPresenter& presenter_;
};
