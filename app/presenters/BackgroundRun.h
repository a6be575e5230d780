#pragma once

#include "analysis/SpreadSettings.h"
#include "app/presenters/MessageBoxes.h"
#include "app/presenters/ProgressView.h"

#include <atomic>
#include <exception>
#include <functional>
#include <memory>
#include <thread>

// How often the windows ask a running analysis how far it is, and how long it runs before its
// progress box shows: a run shorter than that shows none.
inline constexpr int kPollMilliseconds = 50;
inline constexpr double kProgressAfter = 0.3; // s

// An analysis run on a thread of its own beside the event loop, as "Разброс…" and
// "Подбор номиналов…" run theirs: the timer that polls it, the progress box once it has lasted
// kProgressAfter (counted by the boxes as a window up), its cancel, and the end of its thread.
class BackgroundRun {
  public:
    // `clock`: seconds from any fixed moment (a steady clock by default).
    BackgroundRun(ProgressView& view, MessageBoxes& boxes, std::function<double()> clock = {});
    ~BackgroundRun();
    BackgroundRun(const BackgroundRun&) = delete;
    BackgroundRun& operator=(const BackgroundRun&) = delete;

    // Starts `work` on its thread, a run on the way stopped first. The work reads token.Cancel
    // and counts its progress in token.Done of token.Total; what it returns it leaves in the
    // caller's variables, read once Poll has said it ended.
    void Start(std::function<void(CancelToken& token)> work);
    bool Running() const { return worker_.joinable(); }
    // The timer's tick: true once the work has ended, its thread, timer and progress box gone;
    // until then the progress box shows once the run has lasted kProgressAfter. The exception
    // the work let out is thrown here.
    bool Poll();
    // Stops the run on the way at once; its outcome is dropped.
    void Cancel();

  private:
    // Ends the thread (cancelling it first with `stop`), the timer and the progress box.
    void End(bool stop);

    ProgressView& view_;
    MessageBoxes& boxes_;
    std::function<double()> clock_;
    std::unique_ptr<CancelToken> token_;
    std::thread worker_;
    std::atomic<bool> ended_{false};
    std::exception_ptr error_; // written by the worker before ended_
    double started_ = 0;       // s, by clock_
    bool progressShown_ = false;
};
