#pragma once

// What a long run shows of itself: a timer that polls it and a progress box with "Отмена".
class ProgressView {
  public:
    virtual ~ProgressView() = default;
    // A timer that calls the presenter's Poll every kPollMilliseconds until stopped.
    virtual void StartPolling() = 0;
    virtual void StopPolling() = 0;
    // The progress box: shown (modal, its "Отмена" calling the presenter's CancelRun) or brought
    // to `permille` of the work; closed.
    virtual void ShowProgress(int permille) = 0;
    virtual void CloseProgress() = 0;
};
