#pragma once

#include "ui/win32/WindowsApi.h"

#include <cstdint>
#include <cstring>
#include <vector>

// A 32-bit bitmap with a device context to draw into and pixels to read back.
class Canvas {
  public:
    Canvas(int width, int height, COLORREF paper = RGB(255, 255, 255))
        : width_(width), height_(height) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height; // top row first
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
        const RECT all = {0, 0, width, height};
        HBRUSH brush = CreateSolidBrush(paper);
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // A window's client area as it paints itself (WM_PRINTCLIENT).
    static void Print(HWND window, Canvas& canvas) {
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
    }

    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    RECT Area() const { return {0, 0, width_, height_}; }

    COLORREF Pixel(int x, int y) const {
        GdiFlush();
        const uint32_t p = static_cast<const uint32_t*>(bits_)[y * width_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    bool SamePixels(const Canvas& other) const {
        GdiFlush();
        return width_ == other.width_ && height_ == other.height_ &&
               std::memcmp(bits_, other.bits_, static_cast<size_t>(width_ * height_) * 4) == 0;
    }
    // Some pixel in the rectangle near black: the ink of a text.
    bool HasInk(RECT area) const {
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) {
                const COLORREF c = Pixel(x, y);
                if (GetRValue(c) < 80 && GetGValue(c) < 80 && GetBValue(c) < 80)
                    return true;
            }
        return false;
    }

    // Some pixel in the rectangle of exactly this colour.
    bool HasColor(RECT area, COLORREF colour) const {
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if (Pixel(x, y) == colour)
                    return true;
        return false;
    }

  private:
    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
    void* bits_ = nullptr;
};
