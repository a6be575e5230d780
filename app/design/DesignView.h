#pragma once

#include "app/design/DesignFields.h"
#include "app/presenters/ProgressView.h"

#include <string>
#include <vector>

// What the presenter of "Подбор номиналов…" sees of its windows: the dialog, the progress box, the
// results box and the clipboard. Each set of windows implements it; tests fake it. Its progress
// box's "Отмена" calls DesignPresenter::CancelRun, its timer DesignPresenter::Poll.
class DesignView : public ProgressView {
  public:
    // Opens the dialog, modal, holding `fields`. Its OK button calls DesignPresenter::Accept with
    // what the fields hold then, and the dialog closes only when that returns true; its cancel
    // button closes it.
    virtual void OpenDialog(const DesignFields& fields) = 0;
    // After a refusal's box, the open dialog's field `id` (DesignControls.h) takes the focus, an
    // edit's text selected.
    virtual void FocusField(int id) = 0;
    // The results box, modal: the summary above the candidates' lines, the first selected;
    // "Применить" (the default) calls DesignPresenter::Apply with the selected line's index and
    // closes the box, "Копировать" DesignPresenter::CopyList, "Закрыть" closes it.
    virtual void ShowResults(const std::string& summary, const std::vector<std::string>& lines) = 0;
    // False when the clipboard could not take it (another program holds it open).
    virtual bool SetClipboardText(const std::string& text) = 0;
};
