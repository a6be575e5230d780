#include "Grid.h"

#include "Accessible.h"
#include "Dpi.h"
#include "GridAccessible.h"
#include "Painting.h"
#include "Text.h"

#include <algorithm>
#include <commctrl.h>
#include <windowsx.h>

namespace {

constexpr wchar_t kClassName[] = L"OuStringGrid";
constexpr int kTextIndent = 2;          // px from a cell's left edge to its text
constexpr int kWheelRows = 3;           // rows per notch of the mouse wheel
constexpr int kDefaultColumnWidth = 64; // px, for a column the layout gives no width
constexpr UINT_PTR kEditorSubclass = 1;

COLORREF LineColor(bool fixed) {
    return GetSysColor(fixed ? COLOR_BTNSHADOW : COLOR_BTNFACE);
}

void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
    SetBkColor(dc, color);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

} // namespace

Grid::Grid(HWND parent, int id, Bounds bounds, GridCells& cells, GridLayout layout, HFONT font)
    : cells_(cells), layout_(std::move(layout)), font_(font),
      topRow_(layout_.FixedRows), focus_{layout_.FixedColumns, layout_.FixedRows}, anchor_(focus_) {
    layout_.ColumnWidths.resize(static_cast<size_t>(cells_.ColumnCount()), kDefaultColumnWidth);
    Create(kClassName, CS_DBLCLKS, nullptr, WS_EX_CLIENTEDGE, L"",
           WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN, bounds.Rect(), parent, id);
    MeasureFont();
    cellTip_ = std::make_unique<TrackingTip>(Handle());
    UpdateScrollBars();
}

void Grid::MeasureFont() {
    HDC dc = GetDC(Handle());
    {
        const SelectedObject font(dc, font_);
        TEXTMETRICW metrics = {};
        GetTextMetricsW(dc, &metrics);
        textHeight_ = metrics.tmHeight;
    }
    ReleaseDC(Handle(), dc);
}

Grid::~Grid() {
    // While the members that answer its messages still exist.
    if (Handle() != nullptr)
        DestroyWindow(Handle());
}

int Grid::ColumnWidth(int column) const {
    return column >= 0 && column < static_cast<int>(layout_.ColumnWidths.size())
               ? layout_.ColumnWidths[static_cast<size_t>(column)]
               : 0;
}

void Grid::SetColumnWidth(int column, int width) {
    if (column < 0 || column >= static_cast<int>(layout_.ColumnWidths.size()))
        return;
    layout_.ColumnWidths[static_cast<size_t>(column)] = std::max(0, width);
    UpdateScrollBars();
    PlaceEditor();
    InvalidateRect(Handle(), nullptr, FALSE);
}

void Grid::SetMetrics(HFONT font, int rowHeight, std::vector<int> columnWidths) {
    font_ = font;
    layout_.RowHeight = rowHeight;
    columnWidths.resize(static_cast<size_t>(cells_.ColumnCount()), kDefaultColumnWidth);
    layout_.ColumnWidths = std::move(columnWidths);
    MeasureFont();
    if (editor_ != nullptr)
        SendMessageW(editor_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    UpdateScrollBars();
    PlaceEditor();
    InvalidateRect(Handle(), nullptr, FALSE);
}

void Grid::CellsChanged() {
    const int lastRow = std::max(layout_.FixedRows, cells_.RowCount() - 1);
    focus_.Row = std::min(focus_.Row, lastRow);
    anchor_.Row = std::min(anchor_.Row, lastRow);
    if (editing_ && editingCell_.Row >= cells_.RowCount())
        HideEditor(false);
    UpdateScrollBars();
    InvalidateRect(Handle(), nullptr, FALSE);
    NotifyWinEvent(EVENT_OBJECT_REORDER, Handle(), OBJID_CLIENT, CHILDID_SELF);
}

void Grid::CellChanged(int column, int row) {
    if (editing_ && editingCell_ == GridCell{column, row})
        SetEditorText(cells_.Text(column, row));
    InvalidateCell({column, row});
    Announce(EVENT_OBJECT_VALUECHANGE, {column, row});
}

GridRange Grid::Selection() const {
    return {std::min(focus_.Column, anchor_.Column), std::min(focus_.Row, anchor_.Row),
            std::max(focus_.Column, anchor_.Column), std::max(focus_.Row, anchor_.Row)};
}

void Grid::SelectAll() {
    const int lastRow = cells_.RowCount() - 1;
    const int lastColumn = cells_.ColumnCount() - 1;
    if (lastRow < layout_.FixedRows || lastColumn < layout_.FixedColumns)
        return;
    HideEditor(false);
    focus_ = {layout_.FixedColumns, layout_.FixedRows};
    anchor_ = {lastColumn, lastRow};
    ScrollIntoView(focus_);
    InvalidateRect(Handle(), nullptr, FALSE);
    NotifyWinEvent(EVENT_OBJECT_SELECTIONWITHIN, Handle(), OBJID_CLIENT, CHILDID_SELF);
}

void Grid::CollapseSelection() {
    if (anchor_ == focus_)
        return;
    anchor_ = focus_;
    InvalidateRect(Handle(), nullptr, FALSE);
}

// Geometry ---------------------------------------------------------------------------------------

int Grid::ColumnOffset(int column) const {
    int offset = 0;
    for (int c = 0; c < column && c < static_cast<int>(layout_.ColumnWidths.size()); ++c)
        offset += layout_.ColumnWidths[static_cast<size_t>(c)] + 1;
    return offset;
}

// The grid line after the last column or row need not fit for the cells to be wholly in view.
int Grid::ContentWidth() const {
    return ColumnOffset(cells_.ColumnCount()) - 1;
}

int Grid::ContentHeight() const {
    return cells_.RowCount() * RowPitch() - 1;
}

SIZE Grid::ClientSize() const {
    RECT client = {};
    GetClientRect(Handle(), &client);
    return {client.right, client.bottom};
}

int Grid::VisibleRows() const {
    return std::max(0, (static_cast<int>(ClientSize().cy) - FixedHeight() + 1) / RowPitch());
}

int Grid::MaxTopRow() const {
    return std::max(layout_.FixedRows, cells_.RowCount() - std::max(1, VisibleRows()));
}

int Grid::MaxScrollX() const {
    return std::max(0, ContentWidth() - static_cast<int>(ClientSize().cx));
}

RECT Grid::CellRect(int column, int row) const {
    int left = ColumnOffset(column);
    if (column >= layout_.FixedColumns)
        left -= scrollX_;
    const int top =
        row < layout_.FixedRows ? row * RowPitch() : FixedHeight() + (row - topRow_) * RowPitch();
    return {left, top, left + ColumnWidth(column), top + layout_.RowHeight};
}

int Grid::RowAt(int y) const {
    const int row = y < FixedHeight() ? y / RowPitch() : topRow_ + (y - FixedHeight()) / RowPitch();
    return y >= 0 && row < cells_.RowCount() ? row : -1;
}

int Grid::ColumnAt(int x) const {
    if (x < 0)
        return -1;
    if (x >= FixedWidth())
        x += scrollX_;
    for (int column = 0; column < cells_.ColumnCount(); ++column) {
        if (x < ColumnOffset(column + 1))
            return column;
    }
    return -1;
}

GridCell Grid::CellAt(POINT point) const {
    const int column = ColumnAt(point.x);
    const int row = RowAt(point.y);
    return column >= 0 && row >= 0 ? GridCell{column, row} : GridCell{-1, -1};
}

bool Grid::IsFixed(GridCell cell) const {
    return cell.Column < layout_.FixedColumns || cell.Row < layout_.FixedRows;
}

bool Grid::HasFocus() const {
    const HWND focus = GetFocus();
    return focus != nullptr && (focus == Handle() || focus == editor_);
}

bool Grid::Selected(int column, int row) const {
    const GridRange range = Selection();
    return column >= range.Left && column <= range.Right && row >= range.Top && row <= range.Bottom;
}

// Painting ---------------------------------------------------------------------------------------

void Grid::Paint(HDC dc) const {
    const SIZE client = ClientSize();
    FillSolid(dc, {0, 0, client.cx, client.cy}, GetSysColor(COLOR_WINDOW));
    const SelectedObject font(dc, font_);
    SetBkMode(dc, TRANSPARENT);

    const int columns = cells_.ColumnCount();
    const int rows = cells_.RowCount();
    const int fixedColumns = std::min(layout_.FixedColumns, columns);
    const int fixedRows = std::min(layout_.FixedRows, rows);
    const int lastRow = std::min(rows - 1, topRow_ + VisibleRows());
    const RECT body = {FixedWidth(), FixedHeight(), client.cx, client.cy};
    PaintBlock(dc, body, fixedColumns, columns - 1, topRow_, lastRow);
    PaintBlock(dc, {body.left, 0, client.cx, body.top}, fixedColumns, columns - 1, 0,
               fixedRows - 1);
    PaintBlock(dc, {0, body.top, body.left, client.cy}, 0, fixedColumns - 1, topRow_, lastRow);
    PaintBlock(dc, {0, 0, body.left, body.top}, 0, fixedColumns - 1, 0, fixedRows - 1);

    if (GetFocus() == Handle() && !editing_ && !IsFixed(focus_) && focus_.Row < rows) {
        RECT focus = CellRect(focus_.Column, focus_.Row);
        if (focus.top >= body.top) {
            InflateRect(&focus, -1, -1);
            SetTextColor(dc, RGB(0, 0, 0));
            DrawFocusRect(dc, &focus);
        }
    }
}

void Grid::PaintBlock(HDC dc, RECT area, int firstColumn, int lastColumn, int firstRow,
                      int lastRow) const {
    if (firstColumn > lastColumn || firstRow > lastRow || IsRectEmpty(&area))
        return;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            const RECT cell = CellRect(column, row);
            if (cell.left >= area.right)
                break;
            if (cell.right + 1 > area.left)
                PaintCell(dc, column, row);
        }
    }
    RestoreDC(dc, saved);
}

void Grid::PaintCell(HDC dc, int column, int row) const {
    const RECT cell = CellRect(column, row);
    const bool fixed = IsFixed({column, row});
    const bool edited = editing_ && editingCell_ == GridCell{column, row};
    // The focused cell of a focused grid shows a focus rectangle instead of the highlight.
    const bool focused = GetFocus() == Handle() && GridCell{column, row} == focus_;
    const bool selected = !fixed && !edited && !focused && Selected(column, row);
    FillSolid(dc, cell,
              GetSysColor(fixed      ? COLOR_BTNFACE
                          : selected ? COLOR_HIGHLIGHT
                                     : COLOR_WINDOW));
    if (fixed) {
        RECT edge = cell;
        DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_RECT);
    }
    if (!edited) {
        const std::wstring text = Widen(ShownIn(dc, column, row).Text);
        SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : layout_.TextColor);
        ExtTextOutW(dc, cell.left + kTextIndent, cell.top + (layout_.RowHeight - textHeight_) / 2,
                    ETO_CLIPPED, &cell, text.c_str(), static_cast<UINT>(text.size()), nullptr);
    }
    // The grid lines right of and below the cell.
    FillSolid(dc, {cell.right, cell.top, cell.right + 1, cell.bottom + 1}, LineColor(fixed));
    FillSolid(dc, {cell.left, cell.bottom, cell.right + 1, cell.bottom + 1}, LineColor(fixed));
}

ShownCell Grid::ShownIn(HDC dc, int column, int row) const {
    return FitCell(cells_.Text(column, row), ColumnWidth(column) - 2 * kTextIndent,
                   [dc](std::string_view text) {
                       const std::wstring wide = Widen(text);
                       SIZE size{};
                       GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()),
                                             &size);
                       return static_cast<int32_t>(size.cx);
                   });
}

ShownCell Grid::Shown(int column, int row) const {
    HDC dc = GetDC(Handle());
    ShownCell shown;
    {
        const SelectedObject font(dc, font_);
        shown = ShownIn(dc, column, row);
    }
    ReleaseDC(Handle(), dc);
    return shown;
}

void Grid::ShowCellTip(POINT point) {
    if (!trackingLeave_) {
        TRACKMOUSEEVENT leave{sizeof(TRACKMOUSEEVENT), TME_LEAVE, Handle(), 0};
        trackingLeave_ = TrackMouseEvent(&leave) != 0;
    }
    const GridCell cell = CellAt(point);
    const bool inside = cell.Column >= 0 && cell.Row >= 0 && cell.Row < cells_.RowCount() &&
                        !(editing_ && editingCell_ == cell);
    const std::string tip = inside ? Shown(cell.Column, cell.Row).Tooltip : std::string();
    if (tip.empty())
        return cellTip_->Hide();
    // Over the cell's own text, as a tooltip that completes it.
    const RECT rect = CellRect(cell.Column, cell.Row);
    POINT screen = {rect.left, rect.top};
    ClientToScreen(Handle(), &screen);
    cellTip_->Show(tip, screen);
}

void Grid::InvalidateCell(GridCell cell) {
    RECT rect = CellRect(cell.Column, cell.Row);
    InflateRect(&rect, 1, 1);
    InvalidateRect(Handle(), &rect, FALSE);
}

void Grid::Announce(DWORD event, GridCell cell) const {
    NotifyWinEvent(event, Handle(), OBJID_CLIENT, CellChildId(*this, cell));
    // A cell's name carries its text.
    if (event == EVENT_OBJECT_VALUECHANGE)
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, Handle(), OBJID_CLIENT, CellChildId(*this, cell));
}

// Scrolling --------------------------------------------------------------------------------------

void Grid::UpdateScrollBars() {
    if (updatingBars_ || Handle() == nullptr)
        return;
    // The client area as it would be without scroll bars, then the bars it needs.
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE));
    SIZE client = ClientSize();
    const int barWidth = MetricForDpi(SM_CXVSCROLL, WindowDpi(Handle()));
    const int barHeight = MetricForDpi(SM_CYHSCROLL, WindowDpi(Handle()));
    const int width = client.cx + ((style & WS_VSCROLL) != 0 ? barWidth : 0);
    const int height = client.cy + ((style & WS_HSCROLL) != 0 ? barHeight : 0);
    bool vertical = ContentHeight() > height;
    const bool horizontal = ContentWidth() > width - (vertical ? barWidth : 0);
    if (horizontal && !vertical)
        vertical = ContentHeight() > height - barHeight;
    updatingBars_ = true;
    ShowScrollBar(Handle(), SB_VERT, vertical);
    ShowScrollBar(Handle(), SB_HORZ, horizontal);
    updatingBars_ = false;

    topRow_ = std::clamp(topRow_, layout_.FixedRows, MaxTopRow());
    scrollX_ = std::clamp(scrollX_, 0, MaxScrollX());
    client = ClientSize();
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (vertical) {
        info.nMax = cells_.RowCount() - layout_.FixedRows - 1;
        info.nPage = static_cast<UINT>(std::max(1, VisibleRows()));
        info.nPos = topRow_ - layout_.FixedRows;
        SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
    }
    if (horizontal) {
        info.nMax = ContentWidth() - FixedWidth();
        info.nPage = static_cast<UINT>(std::max(1, static_cast<int>(client.cx) - FixedWidth()));
        info.nPos = scrollX_;
        SetScrollInfo(Handle(), SB_HORZ, &info, TRUE);
    }
}

void Grid::ScrollTo(int topRow, int scrollX) {
    topRow = std::clamp(topRow, layout_.FixedRows, MaxTopRow());
    scrollX = std::clamp(scrollX, 0, MaxScrollX());
    if (topRow == topRow_ && scrollX == scrollX_)
        return;
    HideEditor(false);
    topRow_ = topRow;
    scrollX_ = scrollX;
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    info.nPos = topRow_ - layout_.FixedRows;
    SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
    info.nPos = scrollX_;
    SetScrollInfo(Handle(), SB_HORZ, &info, TRUE);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void Grid::ScrollIntoView(GridCell cell) {
    int topRow = topRow_;
    if (cell.Row >= layout_.FixedRows) {
        if (cell.Row < topRow)
            topRow = cell.Row;
        else if (cell.Row >= topRow + std::max(1, VisibleRows()))
            topRow = cell.Row - std::max(1, VisibleRows()) + 1;
    }
    int scrollX = scrollX_;
    if (cell.Column >= layout_.FixedColumns) {
        const int left = ColumnOffset(cell.Column) - FixedWidth();
        const int right = left + ColumnWidth(cell.Column);
        const int page = static_cast<int>(ClientSize().cx) - FixedWidth();
        if (left < scrollX)
            scrollX = left;
        else if (right > scrollX + page)
            scrollX = std::min(left, right - page);
    }
    ScrollTo(topRow, scrollX);
}

void Grid::Scroll(int bar, WORD request) {
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(Handle(), bar, &info);
    const int line = bar == SB_VERT ? 1 : layout_.RowHeight;
    const int page = static_cast<int>(info.nPage);
    int position = info.nPos;
    switch (request) {
    case SB_LINEUP:
        position -= line;
        break;
    case SB_LINEDOWN:
        position += line;
        break;
    case SB_PAGEUP:
        position -= page;
        break;
    case SB_PAGEDOWN:
        position += page;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        position = info.nTrackPos; // all 32 bits, unlike the message's 16
        break;
    case SB_TOP:
        position = 0;
        break;
    case SB_BOTTOM:
        position = info.nMax;
        break;
    default:
        return;
    }
    if (bar == SB_VERT)
        ScrollTo(position + layout_.FixedRows, scrollX_);
    else
        ScrollTo(topRow_, position);
}

// Selection and keys -----------------------------------------------------------------------------

void Grid::MoveFocus(GridCell to, bool extend) {
    const int lastRow = cells_.RowCount() - 1;
    const int lastColumn = cells_.ColumnCount() - 1;
    if (lastRow < layout_.FixedRows || lastColumn < layout_.FixedColumns)
        return;
    to.Column = std::clamp(to.Column, layout_.FixedColumns, lastColumn);
    to.Row = std::clamp(to.Row, layout_.FixedRows, lastRow);
    HideEditor(false);
    focus_ = to;
    if (!extend)
        anchor_ = to;
    ScrollIntoView(focus_);
    InvalidateRect(Handle(), nullptr, FALSE);
    if (GetFocus() == Handle())
        Announce(EVENT_OBJECT_FOCUS, focus_);
    if (extend)
        NotifyWinEvent(EVENT_OBJECT_SELECTIONWITHIN, Handle(), OBJID_CLIENT, CHILDID_SELF);
}

void Grid::KeyDown(WPARAM key) {
    const bool extend = GetKeyState(VK_SHIFT) < 0;
    const bool control = GetKeyState(VK_CONTROL) < 0;
    // Pasting on a cell replaces its text, as typing does: the editor opens with the clipboard's
    // text in place of the cell's.
    if (((control && key == 'V') || (extend && key == VK_INSERT)) && CanEdit()) {
        ShowEditor(true);
        SendMessageW(editor_, WM_PASTE, 0, 0);
        return;
    }
    const int page = std::max(1, VisibleRows());
    GridCell to = focus_;
    switch (key) {
    case VK_UP:
        --to.Row;
        break;
    case VK_DOWN:
        ++to.Row;
        break;
    case VK_LEFT:
        --to.Column;
        break;
    case VK_RIGHT:
        ++to.Column;
        break;
    case VK_PRIOR:
        to.Row -= page;
        break;
    case VK_NEXT:
        to.Row += page;
        break;
    case VK_HOME:
        if (control)
            to.Row = 0;
        else
            to.Column = 0;
        break;
    case VK_END:
        if (control)
            to.Row = cells_.RowCount();
        else
            to.Column = cells_.ColumnCount();
        break;
    case VK_F2:
    case VK_RETURN:
        ShowEditor(false);
        return;
    default:
        return;
    }
    MoveFocus(to, extend);
}

void Grid::MouseDown(POINT point, bool extend) {
    const bool hadFocus = GetFocus() == Handle() || editing_;
    const GridCell wasEditing = editing_ ? editingCell_ : GridCell{-1, -1};
    SetFocus(Handle());
    const GridCell cell = CellAt(point);
    if (cell.Column < 0 || IsFixed(cell))
        return;
    HideEditor(false);
    if (!extend && hadFocus && (cell == focus_ || cell == wasEditing) && CanEdit()) {
        ShowEditor(false);
        return;
    }
    MoveFocus(cell, extend);
    dragging_ = true;
    SetCapture(Handle());
}

void Grid::MouseDrag(POINT point) {
    // Past the edges the selection goes on into the rows and columns out of view.
    const SIZE client = ClientSize();
    int topRow = topRow_;
    if (point.y >= client.cy)
        ++topRow;
    else if (point.y < FixedHeight())
        --topRow;
    ScrollTo(topRow, scrollX_);
    const int column = ColumnAt(std::max<int>(point.x, FixedWidth()));
    const int row =
        RowAt(std::clamp<int>(point.y, FixedHeight(), std::max<int>(FixedHeight(), client.cy - 1)));
    // Beyond the last column or row: the last one (MoveFocus keeps the cell inside).
    const GridCell cell = {column < 0 ? cells_.ColumnCount() : column,
                           row < 0 ? cells_.RowCount() : row};
    if (!(cell == focus_))
        MoveFocus(cell, true);
}

// The in-place editor ----------------------------------------------------------------------------

bool Grid::CanEdit() const {
    return layout_.Editable && !IsFixed(focus_) && focus_.Row < cells_.RowCount();
}

void Grid::ShowEditor(bool selectAll) {
    if (!CanEdit())
        return;
    ScrollIntoView(focus_);
    if (editor_ == nullptr) {
        editor_ =
            CreateControl(Handle(), 0, L"EDIT", "", ES_AUTOHSCROLL | ES_LEFT, {0, 0, 0, 0}, font_);
        ShowWindow(editor_, SW_HIDE);
        SendMessageW(editor_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
        SetWindowSubclass(editor_, &Grid::EditorProcedure, kEditorSubclass,
                          reinterpret_cast<DWORD_PTR>(this));
        // Read as what the cell stands for; its text is the editor's value.
        SetAccessibleName(editor_, [this] {
            return speech_.CellLabel ? speech_.CellLabel(editingCell_.Column, editingCell_.Row)
                                     : cells_.Text(editingCell_.Column, 0);
        });
    }
    editingCell_ = focus_;
    originalText_ = cells_.Text(focus_.Column, focus_.Row);
    editing_ = true;
    SetEditorText(originalText_);
    PlaceEditor();
    const auto end = static_cast<LPARAM>(GetWindowTextLengthW(editor_));
    SendMessageW(editor_, EM_SETSEL, selectAll ? 0 : static_cast<WPARAM>(end), end);
    ShowWindow(editor_, SW_SHOW);
    SetFocus(editor_);
    InvalidateCell(editingCell_);
}

void Grid::PlaceEditor() {
    if (!editing_)
        return;
    const RECT cell = CellRect(editingCell_.Column, editingCell_.Row);
    const int top = cell.top + (layout_.RowHeight - textHeight_) / 2;
    SetWindowPos(editor_, nullptr, cell.left + kTextIndent, top,
                 cell.right - cell.left - kTextIndent, textHeight_, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Grid::HideEditor(bool revert) {
    if (!editing_)
        return;
    if (revert && cells_.Text(editingCell_.Column, editingCell_.Row) != originalText_)
        ApplyEdit(originalText_);
    editing_ = false;
    const bool hadFocus = GetFocus() == editor_;
    ShowWindow(editor_, SW_HIDE);
    if (hadFocus)
        SetFocus(Handle());
    InvalidateCell(editingCell_);
}

void Grid::ApplyEdit(const std::string& text) {
    cells_.SetText(editingCell_.Column, editingCell_.Row, text);
    InvalidateCell(editingCell_);
    Announce(EVENT_OBJECT_VALUECHANGE, editingCell_);
    if (onEdit_)
        onEdit_(editingCell_.Column, editingCell_.Row, text);
}

void Grid::SetEditorText(const std::string& text) {
    settingEditor_ = true;
    SetControlText(editor_, text);
    settingEditor_ = false;
}

LRESULT CALLBACK Grid::EditorProcedure(HWND editor, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR /*id*/, DWORD_PTR data) {
    auto* grid = reinterpret_cast<Grid*>(data);
    switch (message) {
    case WM_GETDLGCODE: {
        // Enter and Escape end the edit here instead of pressing a dialog button; Tab moves on.
        LRESULT code = DefSubclassProc(editor, message, wParam, lParam) | DLGC_WANTARROWS;
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        if (msg != nullptr && msg->message == WM_KEYDOWN &&
            (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE))
            code |= DLGC_WANTMESSAGE;
        return code;
    }
    case WM_KEYDOWN:
        switch (wParam) {
        case VK_RETURN:
            grid->HideEditor(false);
            return 0;
        case VK_ESCAPE:
            grid->HideEditor(true);
            return 0;
        case VK_UP:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT:
            grid->HideEditor(false);
            grid->KeyDown(wParam);
            return 0;
        default:
            break;
        }
        break;
    case WM_CHAR:
        if (wParam == VK_RETURN || wParam == VK_ESCAPE)
            return 0; // no beep
        break;
    case WM_KILLFOCUS:
        if (reinterpret_cast<HWND>(wParam) != grid->Handle())
            grid->HideEditor(false);
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(editor, &Grid::EditorProcedure, kEditorSubclass);
        break;
    default:
        break;
    }
    return DefSubclassProc(editor, message, wParam, lParam);
}

// Messages ---------------------------------------------------------------------------------------

LRESULT Grid::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0;
        AnswerPaintMessages(Handle(), message, wParam, result, [this](HDC dc) { Paint(dc); }))
        return result;
    switch (message) {
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    case WM_SIZE:
        UpdateScrollBars();
        PlaceEditor();
        return 0;
    case WM_SETFOCUS:
        InvalidateCell(focus_);
        if (!IsFixed(focus_) && focus_.Row < cells_.RowCount())
            Announce(EVENT_OBJECT_FOCUS, focus_);
        return 0;
    case WM_KILLFOCUS:
        InvalidateCell(focus_);
        return 0;
    case WM_GETOBJECT:
        if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT))
            return Window::HandleMessage(message, wParam, lParam);
        if (accessible_ == nullptr)
            accessible_ = std::make_unique<GridAccessible>(*this);
        return accessible_->Answer(wParam, lParam);
    case WM_DESTROY:
        // Readers holding the table find it gone.
        accessible_.reset();
        return Window::HandleMessage(message, wParam, lParam);
    case WM_GETDLGCODE: {
        LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        if (layout_.Editable && msg != nullptr && msg->message == WM_KEYDOWN &&
            msg->wParam == VK_RETURN)
            code |= DLGC_WANTMESSAGE;
        return code;
    }
    case WM_KEYDOWN:
        if (!onKey_ || !onKey_(wParam))
            KeyDown(wParam);
        return 0;
    case WM_CHAR:
        // A character typed on a cell starts its editor and replaces the text; Backspace empties
        // it.
        if (CanEdit() && (wParam >= L' ' || wParam == VK_BACK)) {
            ShowEditor(true);
            SendMessageW(editor_, WM_CHAR, wParam, lParam);
        }
        return 0;
    case WM_LBUTTONDOWN:
        MouseDown({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, (wParam & MK_SHIFT) != 0);
        return 0;
    case WM_LBUTTONDBLCLK:
        SetFocus(Handle());
        if (const GridCell cell = CellAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            cell == focus_)
            ShowEditor(false);
        return 0;
    case WM_MOUSEMOVE:
        if (dragging_)
            MouseDrag({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        else
            ShowCellTip({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_MOUSELEAVE:
        trackingLeave_ = false;
        cellTip_->Hide();
        return 0;
    case WM_LBUTTONUP:
        if (dragging_)
            ReleaseCapture();
        return 0;
    case WM_CAPTURECHANGED:
        dragging_ = false;
        return 0;
    case WM_MOUSEWHEEL: {
        wheelRemainder_ += GET_WHEEL_DELTA_WPARAM(wParam);
        const int notches = wheelRemainder_ / WHEEL_DELTA;
        wheelRemainder_ -= notches * WHEEL_DELTA;
        ScrollTo(topRow_ - notches * kWheelRows, scrollX_);
        return 0;
    }
    case WM_VSCROLL:
        Scroll(SB_VERT, LOWORD(wParam));
        return 0;
    case WM_HSCROLL:
        Scroll(SB_HORZ, LOWORD(wParam));
        return 0;
    case WM_COMMAND:
        if (reinterpret_cast<HWND>(lParam) == editor_ && HIWORD(wParam) == EN_CHANGE && editing_ &&
            !settingEditor_)
            ApplyEdit(ControlText(editor_));
        return 0;
    case WM_CTLCOLOREDIT: {
        auto* dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, layout_.TextColor);
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    default:
        return Window::HandleMessage(message, wParam, lParam);
    }
}
