#pragma once

#include "ProgressBox.h"
#include "app/design/DesignView.h"
#include "app/presenters/MessageBoxes.h"
#include "app/session/StagePresenters.h"

#include <QObject>
#include <QTimer>

class MainWindow;
class QDialog;

// "Подбор номиналов…" in Qt: its dialog (built in code, its controls named as
// app/design/DesignControls.h names them), the timer that polls the search, the progress box and
// the results box, bound to the presenter DesignPresenter, made in the program's presenters.
class DesignWindows final : public QObject, public DesignView {
    Q_OBJECT

  public:
    DesignWindows(StagePresenters& presenters, MainWindow& main);
    ~DesignWindows() override;

    DesignPresenter& Presenter() { return presenter_; }

    // DesignView
    void OpenDialog(const DesignFields& fields) override;
    void FocusField(int id) override;
    void StartPolling() override { timer_.start(); }
    void StopPolling() override { timer_.stop(); }
    void ShowProgress(int permille) override;
    void CloseProgress() override { progress_.Close(); }
    void ShowResults(const std::string& summary, const std::vector<std::string>& lines) override;
    bool SetClipboardText(const std::string& text) override;

  private:
    StagePresenters& presenters_;
    MainWindow& main_;
    DesignPresenter& presenter_;
    QTimer timer_;
    ProgressBox progress_;
    QDialog* dialogOpen_ = nullptr;
};
