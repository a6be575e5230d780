#include "PngPicture.h"

#include <gdiplus.h>
#include <objidl.h>

namespace {

// PNG's encoder in GDI+, by its fixed class id.
constexpr CLSID kPngEncoder = {
    0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

// GDI+ is started once, on first use, and left running until the program ends.
bool StartGdiPlus() {
    static const bool started = [] {
        ULONG_PTR token = 0;
        const Gdiplus::GdiplusStartupInput input;
        return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    }();
    return started;
}

// A stream over growable memory, released with it.
class MemoryStream {
  public:
    MemoryStream() { CreateStreamOnHGlobal(nullptr, TRUE, &stream_); }
    ~MemoryStream() {
        if (stream_ != nullptr)
            stream_->Release();
    }
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;

    IStream* Get() const { return stream_; }

    std::string Bytes() const {
        HGLOBAL memory = nullptr;
        if (stream_ == nullptr || GetHGlobalFromStream(stream_, &memory) != S_OK)
            return {};
        STATSTG status{};
        stream_->Stat(&status, STATFLAG_NONAME);
        const auto* data = static_cast<const char*>(GlobalLock(memory));
        if (data == nullptr)
            return {};
        std::string bytes(data, static_cast<size_t>(status.cbSize.QuadPart));
        GlobalUnlock(memory);
        return bytes;
    }

  private:
    IStream* stream_ = nullptr;
};

} // namespace

std::string PngBytes(HBITMAP picture) {
    if (!StartGdiPlus())
        return {};
    MemoryStream stream;
    if (stream.Get() == nullptr)
        return {};
    {
        Gdiplus::Bitmap bitmap(picture, nullptr);
        if (bitmap.GetLastStatus() != Gdiplus::Ok ||
            bitmap.Save(stream.Get(), &kPngEncoder, nullptr) != Gdiplus::Ok)
            return {};
    }
    return stream.Bytes();
}

HBITMAP PictureFromPng(const void* bytes, size_t size) {
    MemoryStream stream;
    if (!StartGdiPlus() || stream.Get() == nullptr ||
        stream.Get()->Write(bytes, static_cast<ULONG>(size), nullptr) != S_OK)
        return nullptr;
    const LARGE_INTEGER start = {};
    stream.Get()->Seek(start, STREAM_SEEK_SET, nullptr);
    Gdiplus::Bitmap bitmap(stream.Get());
    HBITMAP picture = nullptr;
    if (bitmap.GetLastStatus() != Gdiplus::Ok ||
        bitmap.GetHBITMAP(Gdiplus::Color(255, 255, 255), &picture) != Gdiplus::Ok)
        return nullptr;
    return picture;
}
