#include "GraphWindow.h"

#include "Artwork.h"
#include "Clipboard.h"
#include "Dpi.h"
#include "GdiSurface.h"
#include "Painting.h"
#include "PngPicture.h"
#include "Resources.h"
#include "Text.h"
#include "app/texts/Texts.h"

namespace {

constexpr wchar_t kClassName[] = L"TForm3";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;

} // namespace

GraphWindow::GraphWindow(StagePresenters& presenters, MessageBoxes& boxes)
    : dialogs_(dialog_, boxes), presenters_(presenters),
      presenter_(presenters.MakeGraph(*this, dialogs_)),
      // 11 px, scaled with the chart, in an outline font wherever it is scaled.
      font_(MakeFont(11, false, ChartFontFace(SystemDpi()))) {
    const UINT dpi = SystemDpi();
    // The chart is scaled to the whole client area: a resized window is drawn anew.
    Create(kClassName, CS_HREDRAW | CS_VREDRAW, nullptr, 0, Widen(kGraphCaption).c_str(), kStyle,
           LaidOutFrame(kPosition, kClientSize, kStyle, false, dpi), nullptr, 0);
    if (const UINT shown = WindowDpi(Handle()); shown != dpi)
        SizeForDpi(Handle(), kClientSize, false, shown);
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    SetWindowIcons(Handle(), IDI_ANIMAL, WindowDpi(Handle()));
    dialog_.SetOwner(Handle());
    actions_ = std::make_unique<GraphActions>(Handle(), presenter_);
    presenter_.Guarded([this] { FormCreate(); });
}

GraphWindow::~GraphWindow() {
    if (Handle() != nullptr)
        DestroyWindow(Handle());
    presenters_.DropGraph();
}

void GraphWindow::FormCreate() {
    background_.reset(gdi_objects::Counted(CreateSolidBrush(kSilver)));
}

RECT GraphWindow::ChartArea() const {
    RECT client = {};
    GetClientRect(Handle(), &client);
    const auto dpi = static_cast<int>(WindowDpi(Handle()));
    return {0, 0, MulDiv(client.right, kLayoutDpi, dpi), MulDiv(client.bottom, kLayoutDpi, dpi)};
}

void GraphWindow::FormPaint(HDC dc) {
    RECT client = {};
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, background_.get());
    // Drawn in 96-DPI pixels, through a scale to the window's DPI.
    const int mode = SetGraphicsMode(dc, GM_ADVANCED);
    const float scale = static_cast<float>(WindowDpi(Handle())) / kLayoutDpi;
    const XFORM toDpi = {scale, 0, 0, scale, 0, 0};
    SetWorldTransform(dc, &toDpi);
    {
        const SelectedObject font(dc, font_.get());
        // The chart is always scaled to the whole client area, so a partial repaint draws the
        // same picture as a full one.
        const RECT area = ChartArea();
        GdiSurface surface(dc, area, kSilver);
        presenter_.Paint(surface, area.right + kFrame.cx, area.bottom + kFrame.cy);
    }
    ModifyWorldTransform(dc, nullptr, MWT_IDENTITY);
    SetGraphicsMode(dc, mode);
}

HBITMAP GraphWindow::Picture() const {
    RECT client{};
    GetClientRect(Handle(), &client);
    HDC screen = GetDC(Handle());
    HBITMAP picture =
        gdi_objects::Counted(CreateCompatibleBitmap(screen, client.right, client.bottom));
    HDC memory = gdi_objects::Counted(CreateCompatibleDC(screen));
    HGDIOBJ previous = SelectObject(memory, picture);
    SendMessageW(Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    SelectObject(memory, previous);
    gdi_objects::DeleteMemoryDc(memory);
    ReleaseDC(Handle(), screen);
    return picture;
}

void GraphWindow::CopyPictureToClipboard() {
    HBITMAP picture = Picture();
    PutPictureOnClipboard(Handle(), picture);
    gdi_objects::Delete(picture);
}

std::string GraphWindow::PictureAsPng() {
    HBITMAP picture = Picture();
    std::string png = PngBytes(picture);
    gdi_objects::Delete(picture);
    return png;
}

void GraphWindow::ShowMarkerReadout(const std::string& text, Point at) {
    actions_->ShowMarkerReadout(text, at);
}

LRESULT GraphWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (actions_ && actions_->HandleMessage(message, wParam, lParam))
        return 0;
    switch (message) {
    case WM_PAINT:
        // The error box, if any, comes after the paint has finished.
        PaintBuffered(Handle(), [this](HDC dc) { FormPaint(dc); });
        presenter_.PaintFinished();
        return 0;
    case WM_PRINTCLIENT:
        FormPaint(reinterpret_cast<HDC>(wParam));
        presenter_.PaintFinished();
        return 0;
    case WM_ERASEBKGND:
        return 1; // the paint fills the background itself
    case WM_GETDLGCODE:
        // ←/→ move the marker: the message loop's dialog keys would take them for moving the focus.
        return DLGC_WANTARROWS;
    case WM_CLOSE:
        ShowWindow(Handle(), SW_HIDE);
        return 0;
    case WM_DPICHANGED:
        SetWindowIcons(Handle(), IDI_ANIMAL, NewDpi(wParam));
        MoveToSuggestedRect(Handle(), lParam);
        return 0;
    default:
        return Window::HandleMessage(message, wParam, lParam);
    }
}
