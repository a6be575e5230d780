#include "Workers.h"

#include "numerics/FloatError.h"

#include <algorithm>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

void RunChunks(int threads, int64_t count, int64_t chunk, const std::atomic<bool>& cancel,
               const ChunkTask& task) {
    std::atomic<int64_t> next{0};
    std::atomic<bool> stop{false};
    std::exception_ptr failure;
    std::mutex failureLock;
    const auto work = [&](int worker) {
        SetFloatingPointMode();
        try {
            for (;;) {
                if (cancel.load(std::memory_order_relaxed) || stop.load(std::memory_order_relaxed))
                    return;
                const int64_t begin = next.fetch_add(chunk);
                if (begin >= count)
                    return;
                task(worker, begin, std::min(count, begin + chunk));
            }
        } catch (...) {
            const std::lock_guard<std::mutex> hold(failureLock);
            if (!failure)
                failure = std::current_exception();
            stop = true;
        }
    };
    const int used =
        static_cast<int>(std::clamp<int64_t>((count + chunk - 1) / chunk, 1, std::max(threads, 1)));
    std::vector<std::thread> helpers;
    for (int worker = 1; worker < used; ++worker)
        helpers.emplace_back(work, worker);
    work(0);
    for (std::thread& helper : helpers)
        helper.join();
    if (failure)
        std::rethrow_exception(failure);
}
