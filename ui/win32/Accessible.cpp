#include "Accessible.h"

#include "Text.h"

#include <commctrl.h>

// AccessibleObject
// ---------------------------------------------------------------------------------

HRESULT AccessibleObject::QueryInterface(REFIID id, void** object) {
    if (object == nullptr)
        return E_POINTER;
    if (id == IID_IUnknown || id == IID_IDispatch || id == __uuidof(IAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG AccessibleObject::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG AccessibleObject::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT AccessibleObject::GetTypeInfoCount(UINT* count) {
    if (count != nullptr)
        *count = 0;
    return E_NOTIMPL;
}

HRESULT AccessibleObject::GetTypeInfo(UINT, LCID, ITypeInfo**) {
    return E_NOTIMPL;
}

HRESULT AccessibleObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

HRESULT AccessibleObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                 UINT*) {
    return E_NOTIMPL;
}

HRESULT AccessibleObject::get_accParent(IDispatch** parent) {
    *parent = nullptr;
    return S_FALSE;
}

HRESULT AccessibleObject::get_accChildCount(LONG* count) {
    *count = 0;
    return S_OK;
}

HRESULT AccessibleObject::get_accChild(VARIANT, IDispatch** object) {
    *object = nullptr;
    return E_INVALIDARG;
}

HRESULT AccessibleObject::get_accName(VARIANT, BSTR* name) {
    *name = nullptr;
    return S_FALSE;
}

HRESULT AccessibleObject::get_accValue(VARIANT, BSTR* value) {
    *value = nullptr;
    return S_FALSE;
}

HRESULT AccessibleObject::get_accDescription(VARIANT, BSTR* description) {
    *description = nullptr;
    return S_FALSE;
}

HRESULT AccessibleObject::get_accRole(VARIANT, VARIANT* role) {
    VariantInit(role);
    return S_FALSE;
}

HRESULT AccessibleObject::get_accState(VARIANT, VARIANT* state) {
    return ReturnNumber(0, state);
}

HRESULT AccessibleObject::get_accHelp(VARIANT, BSTR* help) {
    *help = nullptr;
    return S_FALSE;
}

HRESULT AccessibleObject::get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) {
    *file = nullptr;
    *topic = 0;
    return S_FALSE;
}

HRESULT AccessibleObject::get_accKeyboardShortcut(VARIANT, BSTR* shortcut) {
    *shortcut = nullptr;
    return S_FALSE;
}

HRESULT AccessibleObject::get_accFocus(VARIANT* focus) {
    VariantInit(focus);
    return S_FALSE;
}

HRESULT AccessibleObject::get_accSelection(VARIANT* selection) {
    VariantInit(selection);
    return S_FALSE;
}

HRESULT AccessibleObject::get_accDefaultAction(VARIANT, BSTR* action) {
    *action = nullptr;
    return S_FALSE;
}

HRESULT AccessibleObject::accSelect(LONG, VARIANT) {
    return S_FALSE;
}

HRESULT AccessibleObject::accLocation(LONG*, LONG*, LONG*, LONG*, VARIANT) {
    return S_FALSE;
}

HRESULT AccessibleObject::accNavigate(LONG, VARIANT, VARIANT* end) {
    VariantInit(end);
    return S_FALSE;
}

HRESULT AccessibleObject::accHitTest(LONG, LONG, VARIANT* child) {
    VariantInit(child);
    return S_FALSE;
}

HRESULT AccessibleObject::accDoDefaultAction(VARIANT) {
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleObject::put_accName(VARIANT, BSTR) {
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleObject::put_accValue(VARIANT, BSTR) {
    return DISP_E_MEMBERNOTFOUND;
}

// Answers
// ------------------------------------------------------------------------------------------

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

HRESULT ReturnText(const std::string& text, BSTR* out) {
    const std::wstring wide = Widen(text);
    *out = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT ReturnNumber(LONG number, VARIANT* out) {
    VariantInit(out);
    out->vt = VT_I4;
    out->lVal = number;
    return S_OK;
}

HRESULT ReturnObject(AccessibleObject* object, VARIANT* out) {
    VariantInit(out);
    out->vt = VT_DISPATCH;
    out->pdispVal = object;
    return S_OK;
}

HRESULT ReturnObject(AccessibleObject* object, IDispatch** out) {
    *out = object;
    return S_OK;
}

HRESULT ReturnScreenRect(HWND window, RECT client, LONG* left, LONG* top, LONG* width,
                         LONG* height) {
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    *left = client.left;
    *top = client.top;
    *width = client.right - client.left;
    *height = client.bottom - client.top;
    return S_OK;
}

LRESULT AnswerGetObject(WPARAM wParam, LPARAM lParam, AccessibleObject& object) {
    // The object identifier travels in the low 32 bits, sign-extended or not.
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT))
        return 0;
    return LresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(&object));
}

// Names of standard controls ----------------------------------------------------------------------

namespace {

constexpr UINT_PTR kNameSubclass = 0x4E414D45; // "NAME"
// The window property that holds the control's spoken source (GetWindowSubclass, which could read
// the subclass's data, is exported by ordinal only in some versions of the common controls).
constexpr wchar_t kNameProperty[] = L"OuAccessibleName";

// What the control was given, while it lives; nullptr once it has gone.
const SpokenSource* SourceOf(HWND control) {
    return IsWindow(control) ? static_cast<const SpokenSource*>(GetPropW(control, kNameProperty))
                             : nullptr;
}

// One text of the control's source, if it was given that one.
const std::function<std::string()>* Given(HWND control,
                                          std::function<std::string()> SpokenSource::*text) {
    const SpokenSource* source = SourceOf(control);
    return source != nullptr && source->*text ? &(source->*text) : nullptr;
}

// The system's object for the control, with what it was given replaced (its name, description,
// value, a picture's role); everything else passes through.
class NamedControl final : public AccessibleObject {
  public:
    NamedControl(HWND control, IAccessible* standard) : control_(control), standard_(standard) {}

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (const auto* given = Given(control_, &SpokenSource::Name); given && IsSelf(child))
            return ReturnText((*given)(), name);
        return standard_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        if (const auto* given = Given(control_, &SpokenSource::Value); given && IsSelf(child))
            return ReturnText((*given)(), value);
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        if (const auto* given = Given(control_, &SpokenSource::Description); given && IsSelf(child))
            return ReturnText((*given)(), description);
        return standard_->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (const SpokenSource* source = SourceOf(control_);
            source != nullptr && source->Picture && IsSelf(child))
            return ReturnNumber(ROLE_SYSTEM_GRAPHIC, role);
        return standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        return standard_->get_accFocus(focus);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return standard_->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

  private:
    ~NamedControl() override { standard_->Release(); }

    HWND control_;
    IAccessible* standard_;
};

LRESULT CALLBACK NameProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                               UINT_PTR /*id*/, DWORD_PTR /*data*/) {
    switch (message) {
    case WM_GETOBJECT: {
        if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT))
            break;
        IAccessible* standard = nullptr;
        if (FAILED(CreateStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                             reinterpret_cast<void**>(&standard))))
            break;
        auto* named = new NamedControl(control, standard);
        const LRESULT result = AnswerGetObject(wParam, lParam, *named);
        named->Release();
        return result;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(control, &NameProcedure, kNameSubclass);
        delete static_cast<SpokenSource*>(RemovePropW(control, kNameProperty));
        break;
    default:
        break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

} // namespace

void SetSpokenSource(HWND control, SpokenSource source) {
    if (auto* given = static_cast<SpokenSource*>(GetPropW(control, kNameProperty))) {
        *given = std::move(source);
        return;
    }
    SetPropW(control, kNameProperty, new SpokenSource(std::move(source)));
    SetWindowSubclass(control, &NameProcedure, kNameSubclass, 0);
}

void ChangeSpokenSource(HWND control, const std::function<void(SpokenSource&)>& change) {
    const SpokenSource* given = SourceOf(control);
    SpokenSource source = given != nullptr ? *given : SpokenSource{};
    change(source);
    SetSpokenSource(control, std::move(source));
}

void SetAccessibleName(HWND control, std::function<std::string()> name) {
    ChangeSpokenSource(control, [&](SpokenSource& source) { source.Name = std::move(name); });
}
