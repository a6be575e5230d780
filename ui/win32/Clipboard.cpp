#include "Clipboard.h"

#include "Text.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// The clipboard is open between construction and destruction, if `open`.
class OpenClipboardScope {
  public:
    explicit OpenClipboardScope(HWND owner) : open(OpenClipboard(owner) != 0) {}
    ~OpenClipboardScope() {
        if (open)
            CloseClipboard();
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;

    const bool open;
};

// Moveable global memory holding `size` bytes copied from `data`, as the clipboard takes it.
HGLOBAL GlobalCopy(const void* data, size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (memory == nullptr)
        return nullptr;
    void* target = GlobalLock(memory);
    if (target == nullptr) {
        GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(target, data, size);
    GlobalUnlock(memory);
    return memory;
}

// Replaces the clipboard's content with `memory` in `format`; the clipboard owns it then.
bool PutOnClipboard(HWND owner, UINT format, HGLOBAL memory) {
    if (memory == nullptr)
        return false;
    OpenClipboardScope clipboard(owner);
    if (!clipboard.open || !EmptyClipboard() || SetClipboardData(format, memory) == nullptr) {
        GlobalFree(memory);
        return false;
    }
    return true;
}

} // namespace

bool PutTextOnClipboard(HWND owner, std::string_view utf8) {
    std::string crlf;
    crlf.reserve(utf8.size() + utf8.size() / 16);
    for (const char c : utf8) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    const std::wstring text = Widen(crlf);
    return PutOnClipboard(owner, CF_UNICODETEXT,
                          GlobalCopy(text.c_str(), (text.size() + 1) * sizeof(wchar_t)));
}

bool PutPictureOnClipboard(HWND owner, HBITMAP picture) {
    BITMAP size{};
    if (GetObjectW(picture, sizeof size, &size) == 0)
        return false;
    // 32 bits a pixel, bottom-up: the form every program reads.
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = size.bmWidth;
    header.biHeight = size.bmHeight;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    std::vector<unsigned char> dib(sizeof header +
                                   static_cast<size_t>(size.bmWidth) * size.bmHeight * 4);
    std::memcpy(dib.data(), &header, sizeof header);
    HDC screen = GetDC(nullptr);
    const int lines =
        GetDIBits(screen, picture, 0, static_cast<UINT>(size.bmHeight), dib.data() + sizeof header,
                  reinterpret_cast<BITMAPINFO*>(dib.data()), DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (lines != size.bmHeight)
        return false;
    return PutOnClipboard(owner, CF_DIB, GlobalCopy(dib.data(), dib.size()));
}
