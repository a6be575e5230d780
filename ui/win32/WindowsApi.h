#pragma once

// <windows.h> for the Win32 windows, included through here only. It maps TextOut to TextOutW,
// which would rename the drawing surface's method of that name wherever both are seen; the API
// function is called by its own name, TextOutW.
#include <windows.h>
#undef TextOut
