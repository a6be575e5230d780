#include "ui/win32/Grid.h"

#include "Canvas.h"
#include "WindowTestHelpers.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Cells that say which of them were asked for.
class CountingCells final : public GridCells {
  public:
    explicit CountingCells(int rows) : rows_(rows) {}
    int ColumnCount() const override { return 3; }
    int RowCount() const override { return rows_; }
    std::string Text(int column, int row) const override {
        asked.push_back(row);
        return std::to_string(row) + ":" + std::to_string(column);
    }
    mutable std::vector<int> asked;

  private:
    int rows_;
};

// A top-level window holding one grid, as the main window holds its grids.
class GridFixture : public testing::Test {
  protected:
    void MakeGrid(GridCells& cells, GridLayout layout, Bounds bounds = {10, 10, 225, 521}) {
        parent = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600,
                                 600, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        font.reset(CreateFontW(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                               L"MS Sans Serif"));
        grid = std::make_unique<Grid>(parent, 1, bounds, cells, std::move(layout), font.get());
        grid->SetEditHandler([this](int column, int row, const std::string& text) {
            edits.push_back(std::to_string(column) + "," + std::to_string(row) + ":" + text);
        });
    }
    void TearDown() override {
        grid.reset();
        DestroyWindow(parent);
        ProcessPendingMessages();
    }
    static GridLayout Layout(int fixedColumns, std::vector<int> widths, bool editable) {
        GridLayout layout;
        layout.FixedColumns = fixedColumns;
        layout.FixedRows = 1;
        layout.RowHeight = 24;
        layout.ColumnWidths = std::move(widths);
        layout.Editable = editable;
        return layout;
    }
    POINT Centre(int column, int row) const {
        const RECT cell = grid->CellRect(column, row);
        return {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    }
    // A modifier key held down, as the thread's keyboard state tells it.
    static void SetKey(int key, bool down) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[key] = down ? 0x80 : 0;
        SetKeyboardState(keys);
    }
    bool HasScrollBar(DWORD bar) const {
        return (GetWindowLongPtrW(grid->Handle(), GWL_STYLE) & bar) != 0;
    }

    HWND parent = nullptr;
    GdiHandle<HFONT> font;
    std::unique_ptr<Grid> grid;
    std::vector<std::string> edits;
};

using VirtualGrid = GridFixture;

TEST_F(VirtualGrid, AsksOnlyForTheRowsOnScreen) {
    CountingCells cells(10'000'001);
    MakeGrid(cells, Layout(0, {77, 67, 71}, false));
    Canvas image(225, 521);
    Canvas::Print(grid->Handle(), image);
    ASSERT_FALSE(cells.asked.empty());
    EXPECT_LE(*std::max_element(cells.asked.begin(), cells.asked.end()), 21);
    EXPECT_LE(cells.asked.size(), 3u * 22);

    // The last row, one keystroke away.
    cells.asked.clear();
    SetKey(VK_CONTROL, true);
    Key(grid->Handle(), VK_END);
    SetKey(VK_CONTROL, false);
    EXPECT_EQ(grid->Focus().Row, 10'000'000);
    EXPECT_GT(grid->TopRow(), 9'999'970);
    Canvas::Print(grid->Handle(), image);
    for (int row : cells.asked)
        EXPECT_TRUE(row == 0 || row > 9'999'970) << row;
    EXPECT_LE(cells.asked.size(), 3u * 22);
}

TEST_F(VirtualGrid, ScrollBarReachesTheLastRow) {
    CountingCells cells(10'000'001);
    MakeGrid(cells, Layout(0, {77, 67, 71}, false));
    EXPECT_TRUE(HasScrollBar(WS_VSCROLL));
    SendMessageW(grid->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(grid->Handle(), SB_VERT, &info);
    EXPECT_EQ(info.nMax, 10'000'000 - 1);
    EXPECT_EQ(info.nPos + static_cast<int>(info.nPage), 10'000'000);
    EXPECT_EQ(grid->TopRow(), 10'000'001 - static_cast<int>(info.nPage));
    SendMessageW(grid->Handle(), WM_VSCROLL, SB_LINEUP, 0);
    EXPECT_EQ(grid->TopRow(), 10'000'000 - static_cast<int>(info.nPage));
}

TEST_F(VirtualGrid, ScrollBarsOnlyWhenTheCellsOutgrowTheControl) {
    CountingCells few(14);
    MakeGrid(few, Layout(0, {64, 64, 64}, false), {10, 10, 201, 353});
    // Fourteen rows of 24 px with grid lines between them fill 349 px exactly.
    EXPECT_FALSE(HasScrollBar(WS_VSCROLL));
    EXPECT_FALSE(HasScrollBar(WS_HSCROLL));
    grid->SetColumnWidth(2, 200);
    EXPECT_TRUE(HasScrollBar(WS_HSCROLL));
}

class SelectingGrid : public GridFixture {
  protected:
    void SetUp() override { MakeGrid(cells, Layout(0, {77, 67, 71}, false)); }
    CountingCells cells{100};
};

TEST_F(SelectingGrid, ShiftAndArrowsSelectARange) {
    EXPECT_EQ(grid->Focus(), (GridCell{0, 1}));
    SetKey(VK_SHIFT, true);
    Key(grid->Handle(), VK_DOWN);
    Key(grid->Handle(), VK_DOWN);
    Key(grid->Handle(), VK_RIGHT);
    SetKey(VK_SHIFT, false);
    EXPECT_EQ(grid->Selection(), (GridRange{0, 1, 1, 3}));
    Key(grid->Handle(), VK_DOWN);
    EXPECT_EQ(grid->Selection(), (GridRange{1, 4, 1, 4}));
    // The heading row is never selected.
    Key(grid->Handle(), VK_PRIOR);
    EXPECT_EQ(grid->Focus(), (GridCell{1, 1}));
}

TEST_F(SelectingGrid, ClickShiftClickAndDragSelectRanges) {
    ClickAt(grid->Handle(), Centre(1, 2));
    EXPECT_EQ(grid->Selection(), (GridRange{1, 2, 1, 2}));
    ClickAt(grid->Handle(), Centre(2, 5), MK_SHIFT);
    EXPECT_EQ(grid->Selection(), (GridRange{1, 2, 2, 5}));

    const POINT from = Centre(0, 3);
    const POINT to = Centre(2, 7);
    SendMessageW(grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    SendMessageW(grid->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    SendMessageW(grid->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    EXPECT_EQ(grid->Selection(), (GridRange{0, 3, 2, 7}));
    // Clicking a heading selects nothing new.
    ClickAt(grid->Handle(), Centre(1, 0));
    EXPECT_EQ(grid->Selection(), (GridRange{0, 3, 2, 7}));
}

class EditingGrid : public GridFixture {
  protected:
    void SetUp() override {
        cells.SetText(0, 1, "R1,кОм");
        cells.SetText(1, 1, "100");
        MakeGrid(cells, Layout(1, {92, 104}, true), {10, 10, 201, 353});
    }
    StoredCells cells{2, 14};
};

TEST_F(EditingGrid, EveryChangeOfTheTextIsReportedAsItHappens) {
    ClickAt(grid->Handle(), Centre(1, 2));
    TypeCharacters(grid->Handle(), "1");
    ASSERT_TRUE(grid->Editing());
    TypeCharacters(grid->Editor(), "23");
    EXPECT_EQ(edits, (std::vector<std::string>{"1,2:1", "1,2:12", "1,2:123"}));
    EXPECT_EQ(cells.Text(1, 2), "123");
    Key(grid->Editor(), VK_RETURN);
    EXPECT_FALSE(grid->Editing());
    EXPECT_EQ(cells.Text(1, 2), "123");
}

TEST_F(EditingGrid, TypingOverACellReplacesItsTextAndBackspaceEmptiesIt) {
    ClickAt(grid->Handle(), Centre(1, 1));
    TypeCharacters(grid->Handle(), "7");
    EXPECT_EQ(cells.Text(1, 1), "7");
    Key(grid->Editor(), VK_RETURN);
    SendMessageW(grid->Handle(), WM_CHAR, VK_BACK, 1);
    EXPECT_EQ(cells.Text(1, 1), "");
    EXPECT_EQ(edits, (std::vector<std::string>{"1,1:7", "1,1:"}));
}

TEST_F(EditingGrid, F2EditsTheTextAsItIsAndEscapeRestoresIt) {
    ClickAt(grid->Handle(), Centre(1, 1));
    Key(grid->Handle(), VK_F2);
    ASSERT_TRUE(grid->Editing());
    EXPECT_EQ(Text(grid->Editor()), "100");
    TypeCharacters(grid->Editor(), "0");
    EXPECT_EQ(cells.Text(1, 1), "1000");
    Key(grid->Editor(), VK_ESCAPE);
    EXPECT_FALSE(grid->Editing());
    EXPECT_EQ(cells.Text(1, 1), "100");
    EXPECT_EQ(edits, (std::vector<std::string>{"1,1:1000", "1,1:100"}));
}

TEST_F(EditingGrid, ArrowKeysEndTheEditAndMove) {
    ClickAt(grid->Handle(), Centre(1, 3));
    TypeCharacters(grid->Handle(), "5");
    Key(grid->Editor(), VK_DOWN);
    EXPECT_FALSE(grid->Editing());
    EXPECT_EQ(grid->Focus(), (GridCell{1, 4}));
    EXPECT_EQ(cells.Text(1, 3), "5");
}

TEST_F(EditingGrid, TheEditorShowsWhatTheProgramWritesWithoutReportingIt) {
    ClickAt(grid->Handle(), Centre(1, 1));
    Key(grid->Handle(), VK_F2);
    cells.SetText(1, 1, "0");
    grid->CellChanged(1, 1);
    EXPECT_EQ(Text(grid->Editor()), "0");
    EXPECT_TRUE(edits.empty());
}

TEST_F(EditingGrid, FixedCellsAreNeverEdited) {
    ClickAt(grid->Handle(), Centre(0, 1));
    TypeCharacters(grid->Handle(), "x");
    EXPECT_EQ(cells.Text(0, 1), "R1,кОм");
    ClickAt(grid->Handle(), Centre(1, 0));
    EXPECT_NE(grid->Focus().Row, 0);
}

TEST_F(EditingGrid, FixedCellsInButtonFaceOthersInWindowColourWithGridLines) {
    ClickAt(grid->Handle(), Centre(1, 5)); // the focus away from the cells looked at
    SetFocus(parent);
    Canvas image(197, 349);
    Canvas::Print(grid->Handle(), image);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(image.Pixel(60, 35), face);    // a name, row 1
    EXPECT_EQ(image.Pixel(150, 5), face);    // the heading of column 1
    EXPECT_EQ(image.Pixel(180, 64), window); // a value, row 2
    // Rows of 24 px, a grid line below each; columns 92 and 104 wide, a line right of each.
    EXPECT_EQ(image.Pixel(180, 73), window);
    EXPECT_NE(image.Pixel(180, 74), window);
    EXPECT_EQ(image.Pixel(180, 75), window);
    EXPECT_NE(image.Pixel(92, 64), window);
    EXPECT_EQ(image.Pixel(93, 64), window);
    EXPECT_EQ(image.Pixel(196, 64), window);
}

} // namespace
