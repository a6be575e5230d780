#include "Canvas.h"
#include "WindowTestHelpers.h"
#include "app/files/TableExport.h"
#include "app/graph/CharacteristicPoints.h"
#include "app/graph/GraphReadout.h"
#include "app/texts/Texts.h"
#include "ui/win32/Clipboard.h"

#include <filesystem>
#include <future>
#include <thread>

namespace {

using Id = MainControlName;

class ExportActions : public ProgramTest {
  protected:
    void Calculate(const std::string& from, const std::string& to, const std::string& step) {
        TypeCircuit(kTypicalStage, from, to, step);
        Click(Control(Id::BuRas));
        ASSERT_EQ(Main().Results().FilledRows(), Main().Result().Count());
    }
    HWND Grid() { return Main().ResultGrid().Handle(); }
    HWND Graph() { return windows->Graph.Handle(); }
};

TEST_F(ExportActions, CtrlAThenCtrlCCopiesTheWholeTableWithItsHeading) {
    Calculate("10", "100", "10");
    ControlKey(Grid(), 'A');
    const GridRange all = Main().ResultGrid().Selection();
    EXPECT_EQ(all, (GridRange{0, 1, 2, 10}));
    ControlKey(Grid(), 'C');
    const std::wstring text = ClipboardText();
    // As the core writes it, with Windows' line breaks.
    std::string expected = CopyText(Main().Results(), WholeTable(Main().Results()));
    std::string crlf;
    for (char c : expected)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(Narrow(text), crlf);
    EXPECT_EQ(Narrow(text.substr(0, text.find(L'\r'))), "частота, Гц\t |k|, раз\t |k|, дБ");
    EXPECT_EQ(std::count(text.begin(), text.end(), L'\n'), 10);
}

TEST_F(ExportActions, WithoutResultsCtrlCLeavesTheClipboardAlone) {
    Calculate("10", "100", "10");
    TypeIntoCell(Main().ParameterGrid(), 1, 4, "9"); // an edit empties the table
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    ControlKey(Grid(), 'A');
    ControlKey(Grid(), 'C');
    EXPECT_EQ(ClipboardText(), L"");
}

// The grid selects one rectangle however the user clicks: a Ctrl+click starts a new one rather
// than adding a second, so no L-shape can be made. Ctrl+C copies exactly it.
TEST_F(ExportActions, ClicksSelectOneRectangleAndCtrlCCopiesExactlyIt) {
    Calculate("10", "100", "10");
    const auto click = [&](int column, int row, WPARAM keys = 0) {
        const RECT cell = Main().ResultGrid().CellRect(column, row);
        ClickAt(Grid(), {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2}, keys);
    };
    click(1, 2);
    click(0, 4, MK_CONTROL);
    click(1, 5, MK_SHIFT);
    click(2, 6, MK_CONTROL | MK_SHIFT);
    const GridRange selected = Main().ResultGrid().Selection();
    EXPECT_EQ(selected, (GridRange{0, 4, 2, 6}));
    std::string expected;
    for (int row = selected.Top; row <= selected.Bottom; ++row)
        for (int column = selected.Left; column <= selected.Right; ++column)
            expected += ResultCell(column, row) + (column < selected.Right ? "\t"
                                                   : row < selected.Bottom ? "\r\n"
                                                                           : "");
    ControlKey(Grid(), 'C');
    EXPECT_EQ(Narrow(ClipboardText()), expected);
}

TEST_F(ExportActions, CtrlInsertCopiesAsCtrlCDoes) {
    Calculate("10", "100", "10");
    ControlKey(Grid(), 'A');
    ControlKey(Grid(), 'C');
    const std::wstring copied = ClipboardText();
    ASSERT_TRUE(PutTextOnClipboard(nullptr, "прежнее"));
    ControlKey(Grid(), 'A');
    ControlKey(Grid(), VK_INSERT);
    EXPECT_EQ(ClipboardText(), copied);
}

TEST_F(ExportActions, NewResultClearsTheSelection) {
    Calculate("10", "50", "10");
    ControlKey(Grid(), 'A');
    // A new sweep, the stage as it was: no edit has cleared the selection.
    TypeInto(Control(Id::EdDo), "100");
    Click(Control(Id::BuRas));
    ASSERT_EQ(Main().Results().FilledRows(), 10);
    const GridRange selected = Main().ResultGrid().Selection();
    EXPECT_EQ(selected.Left, selected.Right);
    EXPECT_EQ(selected.Top, selected.Bottom);
    ControlKey(Grid(), 'C');
    EXPECT_EQ(ClipboardText().find(L'\n'), std::wstring::npos);
}

TEST_F(ExportActions, CopyWhileAnotherProgramHoldsTheClipboardSaysSo) {
    Calculate("10", "100", "10");
    ASSERT_TRUE(PutTextOnClipboard(nullptr, "прежнее"));
    // Another program's thread holds the clipboard open until told to let go.
    std::promise<bool> opened;
    std::promise<void> release;
    std::thread holder([&] {
        opened.set_value(OpenClipboard(nullptr) != FALSE);
        release.get_future().wait();
        CloseClipboard();
    });
    const bool holding = opened.get_future().get();
    ControlKey(Grid(), 'A');
    ControlKey(Grid(), 'C');
    release.set_value();
    holder.join();
    ASSERT_TRUE(holding);
    EXPECT_EQ(boxes.errors, std::vector<std::string>{kCopyClipboardBusy});
    EXPECT_EQ(ClipboardText(), L"прежнее");
    boxes.errors.clear();
}

TEST_F(ExportActions, SavedTableReadsBackAsTheCsvOfTheTable) {
    Calculate("10", "100", "10");
    ScratchFile file("результаты.csv");
    Main().SetFileChooser(file);
    ControlKeyThroughLoop(Grid(), 'T'); // the File menu's key
    EXPECT_EQ(file.asked, "csv");
    const std::string csv = file.Content();
    EXPECT_EQ(csv, CsvText(Main().Results()));
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
}

TEST_F(ExportActions, FailedSaveIsAClearMessageAndLeavesNoFile) {
    Calculate("10", "100", "10");
    ScratchFile file("нет такой папки/результаты.csv");
    Main().SetFileChooser(file);
    ControlKeyThroughLoop(Grid(), 'T'); // the File menu's key
    ASSERT_EQ(boxes.errors.size(), 1u);
    EXPECT_NE(boxes.errors[0].find("Не удалось сохранить"), std::string::npos) << boxes.errors[0];
    EXPECT_FALSE(std::filesystem::exists(file.path));
    boxes.errors.clear();
}

TEST_F(ExportActions, PointerOverTheGraphReadsTheNearestComputedPoint) {
    Calculate("10", "1000", "10");
    Click(Control(Id::Button1));
    ProcessPendingMessages();
    RECT client = {};
    GetClientRect(Graph(), &client);
    for (int x : {10, 200, 500, 752}) {
        SendMessageW(Graph(), WM_MOUSEMOVE, 0, MAKELPARAM(x, 200));
        const auto point = PointUnderPointer(Main().Result(), Main().Presenter().LogScale(),
                                             {0, 0, client.right, client.bottom}, x);
        ASSERT_TRUE(point.has_value());
        EXPECT_EQ(windows->Graph.Actions().Readout(), ReadoutText(*point)) << x;
    }
    EXPECT_EQ(windows->Graph.Actions().Readout().rfind("f = 10 Гц, |k| = ", 0), std::string::npos);
    SendMessageW(Graph(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 200));
    EXPECT_EQ(windows->Graph.Actions().Readout().rfind("f = 10 Гц, |k| = ", 0), 0u);
    SendMessageW(Graph(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(windows->Graph.Actions().Readout(), "");
}

TEST_F(ExportActions, CopiedGraphIsTheWindowsPicture) {
    Calculate("10", "1000", "10");
    Click(Control(Id::Button1));
    ProcessPendingMessages();
    ControlKey(Graph(), 'C');
    const SIZE size = ClientSize(Graph());
    Canvas shown(size.cx, size.cy);
    Canvas::Print(Graph(), shown);
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_DIB);
    ASSERT_NE(data, nullptr);
    const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(data));
    ASSERT_EQ(header->biWidth, size.cx);
    ASSERT_EQ(header->biHeight, size.cy); // bottom-up
    ASSERT_EQ(header->biBitCount, 32);
    const auto* pixels = reinterpret_cast<const uint32_t*>(header + 1);
    int differences = 0;
    for (int y = 0; y < size.cy; ++y)
        for (int x = 0; x < size.cx; ++x) {
            const uint32_t p = pixels[(size.cy - 1 - y) * size.cx + x];
            differences += RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF) != shown.Pixel(x, y);
        }
    GlobalUnlock(data);
    CloseClipboard();
    EXPECT_EQ(differences, 0);
    // And it is a chart, not a blank: the curve's green is in it.
    int green = 0;
    for (int y = 0; y < size.cy; ++y)
        for (int x = 0; x < size.cx; ++x)
            green += shown.Pixel(x, y) == RGB(0, 128, 0);
    EXPECT_GT(green, 100);
}

TEST_F(ExportActions, SavedGraphIsAPng) {
    Calculate("10", "1000", "10");
    Click(Control(Id::Button1));
    ScratchFile file("график.png");
    windows->Graph.SetFileChooser(file);
    ControlKey(Graph(), 'S');
    EXPECT_EQ(file.asked, "png");
    const std::string png = file.Content();
    ASSERT_GT(png.size(), 100u);
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1A\n");
}

TEST_F(ExportActions, CharacteristicPointsBoxShowsTheCoreText) {
    Calculate("10", "100000", "1000");
    Click(Control(Id::Button1));
    windows->Graph.Presenter().ShowCharacteristicPoints();
    const auto points = FindCharacteristicPoints(Main().Result());
    ASSERT_TRUE(points.has_value());
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0], CharacteristicPointsText(*points));
    EXPECT_EQ(boxes.messages[0].rfind("Максимум: |k| = ", 0), 0u);
    boxes.messages.clear();
}

} // namespace
