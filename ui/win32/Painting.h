#pragma once

#include "WindowsApi.h"

// Answers WM_PAINT by drawing the whole client area into a bitmap first and copying it to the
// screen in one step, so that nothing flickers. `paint(dc)` draws the client area into `dc`.
template <class Paint> void PaintBuffered(HWND window, Paint paint) {
    PAINTSTRUCT ps;
    HDC screen = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    paint(memory);
    BitBlt(screen, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    EndPaint(window, &ps);
}
