#include "ui/win32/Dpi.h"

#include "WindowTestHelpers.h"
#include "app/presenters/MainLayout.h"

namespace {

using Id = MainControlName;

// Every control stands where the layout table puts it, scaled to `dpi`.
void ExpectLaidOutAt(MainWindow& form, UINT dpi) {
    for (size_t i = 0; i < kMainControls.size(); ++i) {
        const ControlBounds& b = kMainControls[i].Bounds;
        const Bounds laidOut = ScaleToDpi(Bounds{b.X, b.Y, b.Width, b.Height}, dpi);
        Bounds shown =
            ChildBounds(GetDlgItem(form.Handle(), ControlId(static_cast<MainControlName>(i))));
        // Label3 and Label5 grow with their texts, whose fonts are rounded to whole pixels.
        const bool grows = i == size_t(Id::Label3) || i == size_t(Id::Label5);
        if (grows && shown.Width >= laidOut.Width)
            shown.Width = laidOut.Width;
        EXPECT_EQ((std::array{shown.Left, shown.Top, shown.Width, shown.Height}),
                  (std::array{laidOut.Left, laidOut.Top, laidOut.Width, laidOut.Height}))
            << kMainControls[i].Name;
    }
}

int FontHeight(HWND control) {
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font.lfHeight;
}

using DpiChange = ProgramTest;

// Windows moves the window to a monitor at 150 %, then back: each time it is laid out anew.
TEST_F(DpiChange, LaysTheMainWindowOutAgainAtTheNewDpi) {
    for (UINT dpi : {144u, kLayoutDpi}) {
        RECT suggested = {100, 50, 100 + ScaleToDpi(700, dpi), 50 + ScaleToDpi(500, dpi)};
        SendMessageW(Main().Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        SCOPED_TRACE(dpi);
        EXPECT_EQ(Main().Dpi(), dpi);
        RECT frame = {};
        GetWindowRect(Main().Handle(), &frame);
        EXPECT_EQ(frame.left, suggested.left);
        EXPECT_EQ(frame.right - frame.left, suggested.right - suggested.left);
        ExpectLaidOutAt(Main(), dpi);
        EXPECT_EQ(FontHeight(Control(Id::BuRas)), -ScaleToDpi(16, dpi));
        // The name column as FormCreate widened it, at the new DPI.
        EXPECT_EQ(Main().ParameterGrid().ColumnWidth(0), ScaleToDpi(92, dpi));
        EXPECT_EQ(Main().ResultGrid().ColumnWidth(2), ScaleToDpi(kResultColumnWidths[2], dpi));
        const RECT row = Main().ParameterGrid().CellRect(1, 1);
        EXPECT_EQ(row.bottom - row.top, ScaleToDpi(kGridRowHeight, dpi));
    }
}

// The height of what `draw` draws on the background of a bitmap of `size`: from the first row
// with a pixel of another colour to the last.
template <class Draw> int InkHeightOf(SIZE size, Draw draw) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size.cx, size.cy);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    RECT all = {0, 0, size.cx, size.cy};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    draw(dc);
    int top = -1;
    int height = 0;
    for (int y = 0; y < size.cy; ++y)
        for (int x = 0; x < size.cx; ++x)
            if (GetPixel(dc, x, y) != GetPixel(dc, 0, 0)) {
                top = top < 0 ? y : top;
                height = y - top + 1;
                break;
            }
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return height;
}

// `text` in Label2's font, 16 px bold at 96 DPI, made for `dpi`.
int TextInkHeight(const std::string& text, UINT dpi, SIZE size) {
    const GdiHandle<HFONT> font = MakeFontForDpi(16, true, dpi);
    return InkHeightOf(size, [&](HDC dc) {
        const SelectedObject selected(dc, font.get());
        SetBkMode(dc, TRANSPARENT);
        const std::wstring wide = Widen(text);
        TextOutW(dc, 0, 0, wide.c_str(), static_cast<int>(wide.size()));
    });
}

// Run in a wine prefix whose display is at 144 pixels per inch (at-144-dpi.sh); elsewhere they
// have nothing to measure.
class HighDpi : public ProgramTest {
  protected:
    void SetUp() override {
        if (SystemDpi() != 144)
            GTEST_SKIP() << "the display is not at 144 DPI";
        ProgramTest::SetUp();
    }
};

TEST_F(HighDpi, MainWindowIsTheLayoutOneAndAHalfTimes) {
    EXPECT_EQ(Main().Dpi(), 144u);
    const SIZE client = ClientSize(Main().Handle());
    EXPECT_NEAR(client.cx, 1.5 * MainWindow::kClientSize.cx, 2);
    EXPECT_NEAR(client.cy, 1.5 * MainWindow::kClientSize.cy, 2);
    ExpectLaidOutAt(Main(), 144);
}

TEST_F(HighDpi, TextIsDrawnAtTheScaleNotStretched) {
    // Label2, "Исходные данные" in 16 px bold at 96 DPI.
    const HWND label = Control(Id::Label2);
    const Bounds bounds = ChildBounds(label);
    const int shown = InkHeightOf({bounds.Width, bounds.Height}, [&](HDC dc) {
        SendMessageW(label, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    });
    const std::string text = Text(label);
    EXPECT_NEAR(shown, 1.5 * TextInkHeight(text, kLayoutDpi, {bounds.Width, bounds.Height}), 1);
    // Drawn in a font of 24 px, not drawn at 16 and stretched.
    EXPECT_EQ(shown, TextInkHeight(text, 144, {bounds.Width, bounds.Height}));
}

} // namespace
