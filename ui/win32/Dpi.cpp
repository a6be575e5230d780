#include "Dpi.h"

namespace {

// A function of user32 that older versions of Windows lack, or nullptr there.
template <class Function> Function User32(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

} // namespace

UINT SystemDpi() {
    static const auto forSystem = User32<UINT(WINAPI*)()>("GetDpiForSystem");
    if (forSystem != nullptr)
        return forSystem();
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kLayoutDpi;
}

UINT WindowDpi(HWND window) {
    static const auto forWindow = User32<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    const UINT dpi = forWindow != nullptr ? forWindow(window) : 0;
    return dpi != 0 ? dpi : SystemDpi();
}

int MetricForDpi(int index, UINT dpi) {
    static const auto forDpi = User32<int(WINAPI*)(int, UINT)>("GetSystemMetricsForDpi");
    return forDpi != nullptr ? forDpi(index, dpi) : GetSystemMetrics(index);
}

int ScaleToDpi(int pixels, UINT dpi) {
    return MulDiv(pixels, static_cast<int>(dpi), static_cast<int>(kLayoutDpi));
}

Bounds ScaleToDpi(Bounds bounds, UINT dpi) {
    return {ScaleToDpi(bounds.Left, dpi), ScaleToDpi(bounds.Top, dpi),
            ScaleToDpi(bounds.Width, dpi), ScaleToDpi(bounds.Height, dpi)};
}

const wchar_t* FontFaceForDpi(UINT dpi) {
    return dpi == kLayoutDpi ? L"MS Sans Serif" : L"Microsoft Sans Serif";
}

namespace {

bool HasMinusSign(const wchar_t* face) {
    const GdiHandle<HFONT> font = MakeFont(11, false, face);
    HDC screen = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(screen, font.get());
    WORD glyph = 0xFFFF;
    const bool found =
        GetGlyphIndicesW(screen, L"\u2212", 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS) == 1 &&
        glyph != 0xFFFF;
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return found;
}

} // namespace

const wchar_t* ChartFontFace(UINT dpi) {
    const wchar_t* face = FontFaceForDpi(dpi);
    return HasMinusSign(face) ? face : L"Tahoma";
}

GdiHandle<HFONT> MakeFontForDpi(int pixels, bool bold, UINT dpi) {
    return MakeFont(ScaleToDpi(pixels, dpi), bold, FontFaceForDpi(dpi));
}

RECT FrameForDpi(POINT position, SIZE client, DWORD style, DWORD exStyle, bool menu, UINT dpi) {
    static const auto adjust =
        User32<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    RECT frame = {0, 0, client.cx, client.cy};
    if (adjust != nullptr)
        adjust(&frame, style, menu, exStyle, dpi);
    else
        AdjustWindowRectEx(&frame, style, menu, exStyle);
    OffsetRect(&frame, position.x - frame.left, position.y - frame.top);
    return frame;
}

void SizeForDpi(HWND window, SIZE layoutClient, bool menu, UINT dpi) {
    RECT now = {};
    GetWindowRect(window, &now);
    const SIZE client = {ScaleToDpi(layoutClient.cx, dpi), ScaleToDpi(layoutClient.cy, dpi)};
    const RECT frame = FrameForDpi(
        {now.left, now.top}, client, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
        static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)), menu, dpi);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT LaidOutFrame(POINT position, SIZE client, DWORD style, bool menu, UINT dpi) {
    return FrameForDpi({ScaleToDpi(position.x, dpi), ScaleToDpi(position.y, dpi)},
                       {ScaleToDpi(client.cx, dpi), ScaleToDpi(client.cy, dpi)}, style, 0, menu,
                       dpi);
}

UINT NewDpi(WPARAM wParam) {
    // The DPI along both axes, which are always the same.
    return HIWORD(wParam);
}

void MoveToSuggestedRect(HWND window, LPARAM lParam) {
    const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}
