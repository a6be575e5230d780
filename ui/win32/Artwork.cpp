#include "Artwork.h"

#include "Dpi.h"
#include "PngPicture.h"
#include "Resources.h"

#include <array>

namespace {

struct PictureCopies {
    int id;        // the 100 % copy, a bitmap
    SIZE size;     // px at 96 pixels per inch
    int scaled[3]; // the PNG copies for 125, 150 and 200 %
};

constexpr std::array<PictureCopies, 2> kPictures = {{
    {IDB_CIRCUIT, {390, 522}, {IDP_CIRCUIT_125, IDP_CIRCUIT_150, IDP_CIRCUIT_200}},
    {IDB_HELP, {683, 385}, {IDP_HELP_125, IDP_HELP_150, IDP_HELP_200}},
}};
constexpr std::array<UINT, 3> kScaledDpi = {120, 144, 192};

HBITMAP LoadPng(int id) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10)); // RCDATA
    HGLOBAL data = resource != nullptr ? LoadResource(module, resource) : nullptr;
    if (data == nullptr)
        return nullptr;
    return gdi_objects::Counted(
        PictureFromPng(LockResource(data), SizeofResource(module, resource)));
}

HBITMAP LoadCopy(const PictureCopies& picture, UINT dpi) {
    if (dpi <= kLayoutDpi)
        return gdi_objects::Counted(
            static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(picture.id),
                                            IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    size_t copy = 0;
    while (copy + 1 < kScaledDpi.size() && kScaledDpi[copy] < dpi)
        ++copy;
    return LoadPng(picture.scaled[copy]);
}

HICON LoadArtworkIcon(int id, int side) {
    // Not shared: a shared icon is the size first asked for, whatever size is asked later.
    return gdi_objects::Counted(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, side, side, 0)));
}

} // namespace

void SetWindowIcons(HWND window, int iconId, UINT dpi) {
    // 32 and 16 px at 96 pixels per inch, as the system's metrics give them there. The icons of
    // the DPI before are the window's own and go with it.
    for (const auto& [which, side] : {std::pair{ICON_BIG, 32}, {ICON_SMALL, 16}}) {
        const auto icon = reinterpret_cast<LPARAM>(LoadArtworkIcon(iconId, ScaleToDpi(side, dpi)));
        if (const auto previous = SendMessageW(window, WM_SETICON, which, icon); previous != 0)
            gdi_objects::DestroyCountedIcon(reinterpret_cast<HICON>(previous));
    }
    // The class has them too, for a shell that asks the class rather than the window; each window
    // class of the program has one window.
    if (GetClassLongPtrW(window, GCLP_HICON) == 0) {
        SetClassLongPtrW(
            window, GCLP_HICON,
            reinterpret_cast<LONG_PTR>(LoadArtworkIcon(iconId, GetSystemMetrics(SM_CXICON))));
        SetClassLongPtrW(
            window, GCLP_HICONSM,
            reinterpret_cast<LONG_PTR>(LoadArtworkIcon(iconId, GetSystemMetrics(SM_CXSMICON))));
    }
}

void ArtworkPicture::Load(UINT dpi) {
    for (const PictureCopies& picture : kPictures) {
        if (picture.id != id_)
            continue;
        bitmap_.reset(LoadCopy(picture, dpi));
        size_ = {ScaleToDpi(picture.size.cx, dpi), ScaleToDpi(picture.size.cy, dpi)};
    }
}

void ArtworkPicture::Draw(const DRAWITEMSTRUCT& item) const {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    if (bitmap_ == nullptr)
        return;
    BITMAP copy = {};
    GetObjectW(bitmap_.get(), sizeof copy, &copy);
    HDC source = gdi_objects::Counted(CreateCompatibleDC(item.hDC));
    HGDIOBJ previous = SelectObject(source, bitmap_.get());
    if (copy.bmWidth == size_.cx && copy.bmHeight == size_.cy) {
        BitBlt(item.hDC, 0, 0, size_.cx, size_.cy, source, 0, 0, SRCCOPY);
    } else {
        SetStretchBltMode(item.hDC, HALFTONE);
        SetBrushOrgEx(item.hDC, 0, 0, nullptr);
        StretchBlt(item.hDC, 0, 0, size_.cx, size_.cy, source, 0, 0, copy.bmWidth, copy.bmHeight,
                   SRCCOPY);
    }
    SelectObject(source, previous);
    gdi_objects::DeleteMemoryDc(source);
}
