#include "GdiObjects.h"

#include <atomic>

namespace gdi_objects {

namespace {

std::atomic<long> held{0};

} // namespace

void Made() {
    ++held;
}

void Delete(HGDIOBJ object) {
    if (object != nullptr && DeleteObject(object))
        --held;
}

void DeleteMemoryDc(HDC dc) {
    if (dc != nullptr && DeleteDC(dc))
        --held;
}

void DestroyCountedIcon(HICON icon) {
    if (icon != nullptr && DestroyIcon(icon))
        --held;
}

long Held() {
    return held;
}

} // namespace gdi_objects
