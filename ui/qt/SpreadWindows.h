#pragma once

#include "FileDialog.h"
#include "ProgressBox.h"
#include "app/presenters/FileChooser.h"
#include "app/presenters/MessageBoxes.h"
#include "app/session/StagePresenters.h"
#include "app/spread/SpreadView.h"

#include <QObject>
#include <QTimer>

class GraphWindow;
class MainWindow;
class QDialog;

// "Разброс…" in Qt: its dialog (built in code, its controls named as app/spread/SpreadControls.h
// names them), the timer that polls a run, the progress box with its "Отмена" and the results
// box, bound to the presenter SpreadPresenter, made in the program's presenters.
class SpreadWindows final : public QObject, public SpreadView {
    Q_OBJECT

  public:
    SpreadWindows(StagePresenters& presenters, MainWindow& main, MessageBoxes& boxes);
    ~SpreadWindows() override;

    SpreadPresenter& Presenter() { return presenter_; }
    // Where "Сохранить разброс…" asks for the file name: the save dialog unless replaced.
    void SetFileChooser(FileChooser& chooser) { presenter_.SetFileChooser(chooser); }

    // SpreadView
    void OpenDialog(const SpreadFields& fields) override;
    void FocusField(int id) override;
    void StartPolling() override { timer_.start(); }
    void StopPolling() override { timer_.stop(); }
    void ShowProgress(int permille) override;
    void CloseProgress() override;
    void ShowResults(const std::string& text,
                     const std::shared_ptr<const SpreadResult>& result) override;
    bool SetClipboardText(const std::string& text) override;

  private:
    StagePresenters& presenters_;
    MainWindow& main_;
    FileDialog dialog_;
    TurnTakingChooser dialogs_;
    SpreadPresenter& presenter_;
    QTimer timer_;
    ProgressBox progress_;
    QDialog* dialogOpen_ = nullptr;
};
