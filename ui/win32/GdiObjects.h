#pragma once

#include "WindowsApi.h"

// The GDI objects and icons the windows make and delete, counted as they go: a count that grows
// over repeated actions is a leak, and GetGuiResources, which would tell, answers nothing under
// wine. Every object the windows make passes through Counted, and goes through one of the
// deletions below.
namespace gdi_objects {

void Made();
template <class Object> Object Counted(Object object) {
    if (object != nullptr)
        Made();
    return object;
}
void Delete(HGDIOBJ object);
void DeleteMemoryDc(HDC dc);
void DestroyCountedIcon(HICON icon);

// The objects made and not yet deleted.
long Held();

} // namespace gdi_objects
