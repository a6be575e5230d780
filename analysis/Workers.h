#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

// Runs task(worker, begin, end) over [0, count) in chunks of `chunk`, on `threads` threads (the
// calling thread among them, as worker 0). Each thread sets the floating-point mode the
// arithmetic needs first (numerics/FloatError.h: round to nearest, x87 precision, exceptions
// masked, flags clear), as a new thread on Windows starts with another. Chunks are taken in
// order as threads come free, so a task must write only its own chunk's results. No chunk is
// begun once `cancel` is set. The first exception a task lets out is thrown again here, after
// every thread has stopped.
using ChunkTask = std::function<void(int worker, int64_t begin, int64_t end)>;
void RunChunks(int threads, int64_t count, int64_t chunk, const std::atomic<bool>& cancel,
               const ChunkTask& task);
