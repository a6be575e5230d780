#pragma once

#include <cstddef>

// Heap in use and its peak since the last reset, counted by a replacement of the global operator
// new in HeapCounter.cpp: what a calculation costs beyond its series.
size_t HeapInUse();
size_t HeapPeak();
void ResetHeapPeak();
