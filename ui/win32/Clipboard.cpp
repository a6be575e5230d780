#include "Clipboard.h"

#include "Text.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>
#include <string>
#include <utility>
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

// Moveable global memory, as the clipboard takes it, freed unless handed over.
class GlobalMemory {
  public:
    explicit GlobalMemory(size_t size) : memory_(GlobalAlloc(GMEM_MOVEABLE, size)) {}
    ~GlobalMemory() {
        if (memory_ != nullptr)
            GlobalFree(memory_);
    }
    GlobalMemory(const GlobalMemory&) = delete;
    GlobalMemory& operator=(const GlobalMemory&) = delete;

    HGLOBAL Get() const { return memory_; }
    HGLOBAL Release() { return std::exchange(memory_, nullptr); }

  private:
    HGLOBAL memory_;
};

// The memory's bytes, locked while this lives; null if it could not be locked.
class LockedMemory {
  public:
    explicit LockedMemory(HGLOBAL memory) : memory_(memory), bytes_(GlobalLock(memory)) {}
    ~LockedMemory() {
        if (bytes_ != nullptr)
            GlobalUnlock(memory_);
    }
    LockedMemory(const LockedMemory&) = delete;
    LockedMemory& operator=(const LockedMemory&) = delete;

    void* Bytes() const { return bytes_; }

  private:
    HGLOBAL memory_;
    void* bytes_;
};

// Counts the UTF-16 units of UTF-8 pieces, each "\n" as "\r\n", and writes them where it has room:
// with no room at all it only counts.
class Utf16Writer {
  public:
    Utf16Writer(wchar_t* target, size_t capacity) : target_(target), capacity_(capacity) {}

    void Write(std::string_view piece) {
        for (size_t start = 0; start <= piece.size();) {
            const size_t end = std::min(piece.find('\n', start), piece.size());
            WriteLine(piece.substr(start, end - start));
            if (end == piece.size())
                break;
            Put(L'\r');
            Put(L'\n');
            start = end + 1;
        }
    }
    size_t Length() const { return length_; }

  private:
    void Put(wchar_t unit) {
        if (length_ < capacity_)
            target_[length_] = unit;
        ++length_;
    }
    void WriteLine(std::string_view utf8) {
        // Numbers are ASCII, one unit a byte; only the heading needs converting.
        if (std::all_of(utf8.begin(), utf8.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
            for (const char c : utf8)
                Put(static_cast<wchar_t>(c));
            return;
        }
        const std::wstring wide = Widen(utf8);
        for (const wchar_t unit : wide)
            Put(unit);
    }

    wchar_t* target_;
    size_t capacity_;
    size_t length_ = 0;
};

// Moveable global memory holding `size` bytes copied from `data`.
HGLOBAL GlobalCopy(const void* data, size_t size) {
    GlobalMemory memory(size);
    if (memory.Get() == nullptr)
        return nullptr;
    const LockedMemory target(memory.Get());
    if (target.Bytes() == nullptr)
        return nullptr;
    std::memcpy(target.Bytes(), data, size);
    return memory.Release();
}

// Replaces the clipboard's content with `memory` in `format`; the clipboard owns it then.
ClipboardResult PutOnClipboard(HWND owner, UINT format, HGLOBAL memory) {
    if (memory == nullptr)
        return ClipboardResult::OutOfMemory;
    OpenClipboardScope clipboard(owner);
    if (!clipboard.open || !EmptyClipboard() || SetClipboardData(format, memory) == nullptr) {
        GlobalFree(memory);
        return ClipboardResult::ClipboardBusy;
    }
    return ClipboardResult::Copied;
}

} // namespace

ClipboardResult PutTextOnClipboard(HWND owner, const TextWriter& write) {
    // The writer's own small allocations may fail too when the text took the last memory.
    try {
        Utf16Writer measure(nullptr, 0);
        write([&](std::string_view piece) { measure.Write(piece); });
        const size_t length = measure.Length();
        if (length == 0)
            return ClipboardResult::Copied;
        if (length >= std::numeric_limits<size_t>::max() / sizeof(wchar_t))
            return ClipboardResult::OutOfMemory;
        GlobalMemory memory((length + 1) * sizeof(wchar_t));
        if (memory.Get() == nullptr)
            return ClipboardResult::OutOfMemory;
        {
            const LockedMemory target(memory.Get());
            if (target.Bytes() == nullptr)
                return ClipboardResult::OutOfMemory;
            auto* text = static_cast<wchar_t*>(target.Bytes());
            Utf16Writer fill(text, length);
            write([&](std::string_view piece) { fill.Write(piece); });
            text[std::min(fill.Length(), length)] = L'\0';
        }
        return PutOnClipboard(owner, CF_UNICODETEXT, memory.Release());
    } catch (const std::bad_alloc&) {
        return ClipboardResult::OutOfMemory;
    }
}

bool PutTextOnClipboard(HWND owner, std::string_view utf8) {
    return PutTextOnClipboard(owner, [utf8](const PieceSink& sink) { sink(utf8); }) ==
           ClipboardResult::Copied;
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
    return PutOnClipboard(owner, CF_DIB, GlobalCopy(dib.data(), dib.size())) ==
           ClipboardResult::Copied;
}
