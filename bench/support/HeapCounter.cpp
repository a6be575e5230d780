#include "HeapCounter.h"

#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {
std::atomic<size_t> heapInUse{0};
std::atomic<size_t> heapPeak{0};
} // namespace

size_t HeapInUse() {
    return heapInUse;
}
size_t HeapPeak() {
    return heapPeak;
}
void ResetHeapPeak() {
    heapPeak = size_t(heapInUse);
}

void* operator new(size_t size) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr)
        throw std::bad_alloc();
    const size_t now = heapInUse += malloc_usable_size(p);
    for (size_t peak = heapPeak; now > peak && !heapPeak.compare_exchange_weak(peak, now);)
        ;
    return p;
}

// This replaces the global operator new above, so free() is the matching release.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept {
    if (p != nullptr)
        heapInUse -= malloc_usable_size(p);
    std::free(p);
}
void operator delete(void* p, size_t) noexcept {
    operator delete(p);
}
