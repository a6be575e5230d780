#include "Artwork.h"

HBITMAP LoadArtworkBitmap(int id) {
    return static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                           IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

HICON LoadArtworkIcon(int id, int side) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                         IMAGE_ICON, side, side, LR_SHARED));
}

void SetWindowIcons(HWND window, int iconId) {
    const auto big = reinterpret_cast<LPARAM>(LoadArtworkIcon(iconId, GetSystemMetrics(SM_CXICON)));
    const auto small =
        reinterpret_cast<LPARAM>(LoadArtworkIcon(iconId, GetSystemMetrics(SM_CXSMICON)));
    SendMessageW(window, WM_SETICON, ICON_BIG, big);
    SendMessageW(window, WM_SETICON, ICON_SMALL, small);
}

void DrawPicture(const DRAWITEMSTRUCT& item, HBITMAP bitmap) {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    if (bitmap == nullptr)
        return;
    BITMAP size = {};
    GetObjectW(bitmap, sizeof size, &size);
    HDC source = CreateCompatibleDC(item.hDC);
    HGDIOBJ previous = SelectObject(source, bitmap);
    BitBlt(item.hDC, 0, 0, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
}
