#pragma once

#include "WindowsApi.h"

#include <functional>
#include <oleacc.h>
#include <string>

// Microsoft Active Accessibility, what screen readers ask a window: the pieces every accessible
// object of these windows shares, and names for standard controls.
//
// A reader sends a window WM_GETOBJECT; the window answers with an IAccessible handed out by
// LresultFromObject, which COM carries to the reader's process. Its calls then arrive on the
// window's thread while the message loop runs, so the thread is a COM apartment
// (InitialiseControls makes it one). IAccessible's interface id is __uuidof(IAccessible): MinGW's
// 64-bit import library takes IID_IAccessible, which oleacc.dll exports as data, for a function.

// An IAccessible with its reference count and every property a reader may ask answered "none";
// an object overrides what it has. IDispatch is not offered: readers call IAccessible itself.
class AccessibleObject : public IAccessible {
  public:
    AccessibleObject(const AccessibleObject&) = delete;
    AccessibleObject& operator=(const AccessibleObject&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override;
    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

  protected:
    AccessibleObject() = default;
    virtual ~AccessibleObject() = default;

  private:
    LONG references_ = 1;
};

// Helpers for the objects' answers.
// The object itself, not one of its simple children.
bool IsSelf(const VARIANT& child);
// A text as COM hands it out; S_OK, or E_OUTOFMEMORY.
HRESULT ReturnText(const std::string& text, BSTR* out);
HRESULT ReturnNumber(LONG number, VARIANT* out);
// An object the caller now holds a reference of, as a VARIANT or as IDispatch.
HRESULT ReturnObject(AccessibleObject* object, VARIANT* out);
HRESULT ReturnObject(AccessibleObject* object, IDispatch** out);
// A rectangle in `window`'s client coordinates, as accLocation gives it: on the screen.
HRESULT ReturnScreenRect(HWND window, RECT client, LONG* left, LONG* top, LONG* width,
                         LONG* height);

// WM_GETOBJECT's answer: the object for OBJID_CLIENT, 0 for any other (the system's own objects
// serve those).
LRESULT AnswerGetObject(WPARAM wParam, LPARAM lParam, AccessibleObject& object);

// What a reader hears of a window beyond what its own accessible object says: each text given
// replaces the object's own answer, asked afresh each time a reader asks.
struct SpokenSource {
    std::function<std::string()> Name;
    std::function<std::string()> Description;
    std::function<std::string()> Value;
    bool Picture = false; // its role a picture's (ROLE_SYSTEM_GRAPHIC), not a pane's
};
// Gives a window (a standard control, or one of the program's own that answers no WM_GETOBJECT)
// `source`: the window's standard accessible object with its answers replaced.
void SetSpokenSource(HWND control, SpokenSource source);
// Changes what `control` was given, starting from what it has.
void ChangeSpokenSource(HWND control, const std::function<void(SpokenSource&)>& change);

// Gives a standard control (edit, button, check box) the name `name` returns, keeping the rest of
// its source. Readers name an edit by the label before it, and the sweep fields share one label.
void SetAccessibleName(HWND control, std::function<std::string()> name);
