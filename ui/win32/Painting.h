#pragma once

#include "GdiObjects.h"
#include "WindowsApi.h"

// Answers WM_PAINT by drawing the whole client area into a bitmap first and copying it to the
// screen in one step, so that nothing flickers. `paint(dc)` draws the client area into `dc`.
template <class Paint> void PaintBuffered(HWND window, Paint paint) {
    PAINTSTRUCT ps;
    HDC screen = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    HDC memory = gdi_objects::Counted(CreateCompatibleDC(screen));
    HBITMAP bitmap =
        gdi_objects::Counted(CreateCompatibleBitmap(screen, client.right, client.bottom));
    HGDIOBJ previous = SelectObject(memory, bitmap);
    paint(memory);
    BitBlt(screen, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    gdi_objects::Delete(bitmap);
    gdi_objects::DeleteMemoryDc(memory);
    EndPaint(window, &ps);
}

// Answers the painting messages of a window that paints its whole client area with
// `paint(dc)`: WM_PAINT through a bitmap (PaintBuffered), WM_PRINTCLIENT into the context given,
// and WM_ERASEBKGND with nothing, as the paint fills the background itself. False, and `result`
// untouched, for any other message.
template <class Paint>
bool AnswerPaintMessages(HWND window, UINT message, WPARAM wParam, LRESULT& result, Paint paint) {
    switch (message) {
    case WM_PAINT:
        PaintBuffered(window, paint);
        result = 0;
        return true;
    case WM_PRINTCLIENT:
        paint(reinterpret_cast<HDC>(wParam));
        result = 0;
        return true;
    case WM_ERASEBKGND:
        result = 1;
        return true;
    default:
        return false;
    }
}
