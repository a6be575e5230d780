#include "GridAccessible.h"

#include "Grid.h"

#include <algorithm>

namespace {

using GridLink = std::shared_ptr<Grid*>;

std::string CellName(const Grid& grid, int column, int row) {
    const GridSpeech& speech = grid.Speech();
    return speech.CellName ? speech.CellName(column, row) : grid.Cells().Text(column, row);
}

std::string RowName(const Grid& grid, int row) {
    const GridSpeech& speech = grid.Speech();
    return speech.RowName ? speech.RowName(row) : grid.Cells().Text(0, row);
}

bool Visible(const Grid& grid, RECT rect) {
    RECT client = {};
    GetClientRect(grid.Handle(), &client);
    RECT shown = {};
    return IntersectRect(&shown, &client, &rect) != FALSE;
}

// What rows and cells share: the grid they read, while it lives.
class GridPart : public AccessibleObject {
  protected:
    explicit GridPart(GridLink grid) : grid_(std::move(grid)) {}
    // The grid, or nullptr once it has gone.
    const Grid* Live() const { return *grid_; }
    Grid* Live() { return *grid_; }
    // Why a question about `child` goes unanswered: the grid has gone, or the child is not this
    // object itself; S_OK when it is answered.
    HRESULT Unanswered(const VARIANT& child) const {
        if (Live() == nullptr)
            return CO_E_OBJNOTCONNECTED;
        return IsSelf(child) ? S_OK : E_INVALIDARG;
    }
    // One of the grid window's objects: OBJID_CLIENT the table, OBJID_WINDOW the window itself.
    HRESULT WindowObject(LONG id, IDispatch** object) {
        *object = nullptr;
        if (Live() == nullptr)
            return CO_E_OBJNOTCONNECTED;
        return AccessibleObjectFromWindow(Live()->Handle(), static_cast<DWORD>(id), IID_IDispatch,
                                          reinterpret_cast<void**>(object));
    }
    // How many rows or columns the grid has, as `count` reads it.
    template <class Count> HRESULT ChildCount(LONG* answer, Count count) {
        *answer = 0;
        if (Live() == nullptr)
            return CO_E_OBJNOTCONNECTED;
        *answer = count(Live()->Cells());
        return S_OK;
    }

    GridLink grid_;
};

class CellObject final : public GridPart {
  public:
    CellObject(GridLink grid, GridCell cell) : GridPart(std::move(grid)), cell_(cell) {}

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        *name = nullptr;
        if (const HRESULT unanswered = Unanswered(child); unanswered != S_OK)
            return unanswered;
        return ReturnText(CellName(*Live(), cell_.Column, cell_.Row), name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        *value = nullptr;
        if (const HRESULT unanswered = Unanswered(child); unanswered != S_OK)
            return unanswered;
        return ReturnText(Live()->Cells().Text(cell_.Column, cell_.Row), value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (const HRESULT unanswered = Unanswered(child); unanswered != S_OK)
            return unanswered;
        if (cell_.Row < Live()->FixedRows())
            return ReturnNumber(ROLE_SYSTEM_COLUMNHEADER, role);
        if (cell_.Column < Live()->FixedColumns())
            return ReturnNumber(ROLE_SYSTEM_ROWHEADER, role);
        return ReturnNumber(ROLE_SYSTEM_CELL, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (const HRESULT unanswered = Unanswered(child); unanswered != S_OK)
            return unanswered;
        const Grid* grid = Live();
        LONG flags = 0;
        if (cell_.Column >= grid->FixedColumns() && cell_.Row >= grid->FixedRows()) {
            flags |= STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
            const GridRange range = grid->Selection();
            if (cell_.Column >= range.Left && cell_.Column <= range.Right &&
                cell_.Row >= range.Top && cell_.Row <= range.Bottom)
                flags |= STATE_SYSTEM_SELECTED;
            if (grid->HasFocus() && grid->Focus() == cell_)
                flags |= STATE_SYSTEM_FOCUSED;
            if (!grid->Editable())
                flags |= STATE_SYSTEM_READONLY;
        } else {
            flags |= STATE_SYSTEM_READONLY;
        }
        if (!Visible(*grid, grid->CellRect(cell_.Column, cell_.Row)))
            flags |= STATE_SYSTEM_OFFSCREEN;
        return ReturnNumber(flags, state);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        if (const HRESULT unanswered = Unanswered(child); unanswered != S_OK)
            return unanswered;
        return ReturnScreenRect(Live()->Handle(), Live()->CellRect(cell_.Column, cell_.Row), left,
                                top, width, height);
    }
    // Taking the focus or the selection moves the grid's focus here, as a click does.
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        if (const HRESULT unanswered = Unanswered(child); unanswered != S_OK)
            return unanswered;
        Grid* grid = Live();
        if ((flags & (SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION)) == 0)
            return DISP_E_MEMBERNOTFOUND;
        if ((flags & SELFLAG_TAKEFOCUS) != 0)
            SetFocus(grid->Handle());
        grid->FocusCell(cell_);
        return S_OK;
    }

  private:
    GridCell cell_;
};

class RowObject final : public GridPart {
  public:
    RowObject(GridLink grid, int row) : GridPart(std::move(grid)), row_(row) {}

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return WindowObject(OBJID_CLIENT, parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return ChildCount(count, [](const GridCells& cells) { return cells.ColumnCount(); });
    }
    // Cells 1 … columns, from the left.
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        *object = nullptr;
        if (Live() == nullptr)
            return CO_E_OBJNOTCONNECTED;
        if (child.vt != VT_I4 || child.lVal < 1 || child.lVal > Live()->Cells().ColumnCount())
            return E_INVALIDARG;
        return ReturnObject(new CellObject(grid_, {child.lVal - 1, row_}), object);
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        *name = nullptr;
        if (const HRESULT unanswered = Unanswered(child); unanswered != S_OK)
            return unanswered;
        return ReturnText(RowName(*Live(), row_), name);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!IsSelf(child))
            return E_INVALIDARG;
        return ReturnNumber(ROLE_SYSTEM_ROW, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (const HRESULT unanswered = Unanswered(child); unanswered != S_OK)
            return unanswered;
        return ReturnNumber(Visible(*Live(), Bounds()) ? 0 : STATE_SYSTEM_OFFSCREEN, state);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        if (const HRESULT unanswered = Unanswered(child); unanswered != S_OK)
            return unanswered;
        return ReturnScreenRect(Live()->Handle(), Bounds(), left, top, width, height);
    }

  private:
    RECT Bounds() const {
        const Grid& grid = *Live();
        RECT first = grid.CellRect(0, row_);
        const RECT last = grid.CellRect(grid.Cells().ColumnCount() - 1, row_);
        first.right = std::max(first.right, last.right);
        return first;
    }

    int row_;
};

HRESULT CellObject::get_accParent(IDispatch** parent) {
    *parent = nullptr;
    if (Live() == nullptr)
        return CO_E_OBJNOTCONNECTED;
    return ReturnObject(new RowObject(grid_, cell_.Row), parent);
}

// The table: the grid's client area.
class TableObject final : public GridPart {
  public:
    explicit TableObject(GridLink grid) : GridPart(std::move(grid)) {}

    // The grid's window, its frame and scroll bars, as the system gives it.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return WindowObject(OBJID_WINDOW, parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return ChildCount(count, [](const GridCells& cells) { return cells.RowCount(); });
    }
    // Rows 1 … rows, from the top; cells by CellChildId.
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        *object = nullptr;
        AccessibleObject* found = Child(child);
        return found != nullptr ? ReturnObject(found, object)
                                : (Live() == nullptr ? CO_E_OBJNOTCONNECTED : E_INVALIDARG);
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        *name = nullptr;
        if (Live() == nullptr)
            return CO_E_OBJNOTCONNECTED;
        if (!IsSelf(child))
            return ForChild(child, [&](IAccessible& c) { return c.get_accName(Self(), name); });
        const GridSpeech& speech = Live()->Speech();
        return speech.TableName ? ReturnText(speech.TableName(), name) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        *description = nullptr;
        if (Live() == nullptr)
            return CO_E_OBJNOTCONNECTED;
        if (!IsSelf(child))
            return ForChild(
                child, [&](IAccessible& c) { return c.get_accDescription(Self(), description); });
        const GridSpeech& speech = Live()->Speech();
        return speech.TableDescription ? ReturnText(speech.TableDescription(), description)
                                       : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        *value = nullptr;
        if (!IsSelf(child))
            return ForChild(child, [&](IAccessible& c) { return c.get_accValue(Self(), value); });
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!IsSelf(child))
            return ForChild(child, [&](IAccessible& c) { return c.get_accRole(Self(), role); });
        return ReturnNumber(ROLE_SYSTEM_TABLE, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!IsSelf(child))
            return ForChild(child, [&](IAccessible& c) { return c.get_accState(Self(), state); });
        if (Live() == nullptr)
            return CO_E_OBJNOTCONNECTED;
        const bool focused = GetFocus() == Live()->Handle();
        return ReturnNumber(STATE_SYSTEM_FOCUSABLE | (focused ? STATE_SYSTEM_FOCUSED : 0), state);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        VariantInit(focus);
        if (Live() == nullptr)
            return CO_E_OBJNOTCONNECTED;
        if (!Live()->HasFocus())
            return S_FALSE;
        return ReturnObject(new CellObject(grid_, Live()->Focus()), focus);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        if (!IsSelf(child))
            return ForChild(child, [&](IAccessible& c) {
                return c.accLocation(left, top, width, height, Self());
            });
        if (Live() == nullptr)
            return CO_E_OBJNOTCONNECTED;
        RECT client = {};
        GetClientRect(Live()->Handle(), &client);
        return ReturnScreenRect(Live()->Handle(), client, left, top, width, height);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        VariantInit(child);
        if (Live() == nullptr)
            return CO_E_OBJNOTCONNECTED;
        POINT point = {x, y};
        ScreenToClient(Live()->Handle(), &point);
        RECT client = {};
        GetClientRect(Live()->Handle(), &client);
        if (!PtInRect(&client, point))
            return S_FALSE;
        const GridCell cell = Live()->CellAt(point);
        if (cell.Column < 0)
            return ReturnNumber(CHILDID_SELF, child);
        return ReturnObject(new CellObject(grid_, cell), child);
    }

  private:
    static VARIANT Self() {
        VARIANT self;
        VariantInit(&self);
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        return self;
    }

    // The row or cell `child` numbers, with a reference for the caller; nullptr if none.
    AccessibleObject* Child(const VARIANT& child) {
        const Grid* grid = Live();
        if (grid == nullptr || child.vt != VT_I4)
            return nullptr;
        const int columns = grid->Cells().ColumnCount();
        const int rows = grid->Cells().RowCount();
        if (child.lVal > 0)
            return child.lVal <= rows ? new RowObject(grid_, child.lVal - 1) : nullptr;
        if (child.lVal == CHILDID_SELF || columns == 0)
            return nullptr;
        const long long index = -static_cast<long long>(child.lVal) - 1;
        const GridCell cell = {static_cast<int>(index % columns),
                               static_cast<int>(index / columns)};
        return cell.Row < rows ? new CellObject(grid_, cell) : nullptr;
    }

    // A question about a child asked of the table, answered by the child itself.
    template <class Ask> HRESULT ForChild(const VARIANT& child, Ask ask) {
        AccessibleObject* found = Child(child);
        if (found == nullptr)
            return Live() == nullptr ? CO_E_OBJNOTCONNECTED : E_INVALIDARG;
        const HRESULT result = ask(*found);
        found->Release();
        return result;
    }
};

} // namespace

LONG CellChildId(const Grid& grid, GridCell cell) {
    return -(cell.Row * grid.Cells().ColumnCount() + cell.Column + 1);
}

GridAccessible::GridAccessible(Grid& grid)
    : grid_(std::make_shared<Grid*>(&grid)), table_(new TableObject(grid_)) {}

GridAccessible::~GridAccessible() {
    // Readers that still hold the table or its parts find the grid gone.
    *grid_ = nullptr;
    CoDisconnectObject(static_cast<IAccessible*>(table_), 0);
    table_->Release();
}

LRESULT GridAccessible::Answer(WPARAM wParam, LPARAM lParam) {
    return AnswerGetObject(wParam, lParam, *table_);
}
