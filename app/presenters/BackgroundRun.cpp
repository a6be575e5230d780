#include "BackgroundRun.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace {

double SteadySeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

BackgroundRun::BackgroundRun(ProgressView& view, MessageBoxes& boxes, std::function<double()> clock)
    : view_(view), boxes_(boxes), clock_(clock ? std::move(clock) : SteadySeconds) {}

BackgroundRun::~BackgroundRun() {
    if (worker_.joinable()) {
        token_->Cancel = true;
        worker_.join();
    }
}

void BackgroundRun::Start(std::function<void(CancelToken&)> work) {
    Cancel();
    token_ = std::make_unique<CancelToken>();
    ended_ = false;
    error_ = nullptr;
    progressShown_ = false;
    started_ = clock_();
    worker_ = std::thread([this, work = std::move(work)] {
        try {
            work(*token_);
        } catch (...) {
            error_ = std::current_exception();
        }
        ended_ = true;
    });
    view_.StartPolling();
}

bool BackgroundRun::Poll() {
    if (!Running()) {
        view_.StopPolling();
        return false;
    }
    if (!ended_) {
        if (clock_() - started_ < kProgressAfter)
            return false;
        const int64_t total = std::max<int64_t>(1, token_->Total);
        if (!progressShown_)
            boxes_.WindowOpened();
        progressShown_ = true;
        view_.ShowProgress(static_cast<int>(1000 * std::min(token_->Done.load(), total) / total));
        return false;
    }
    End(false);
    if (error_)
        std::rethrow_exception(std::exchange(error_, nullptr));
    return true;
}

void BackgroundRun::Cancel() {
    if (Running())
        End(true);
}

void BackgroundRun::End(bool stop) {
    if (stop)
        token_->Cancel = true;
    worker_.join();
    view_.StopPolling();
    if (progressShown_) {
        view_.CloseProgress();
        boxes_.WindowClosed();
    }
    progressShown_ = false;
}
