#pragma once

#include "ui/win32/Text.h"
#include "ui/win32/WindowsApi.h"

#include <memory>
#include <oleacc.h>
#include <string>
#include <vector>

// Reading windows as a screen reader does, through Microsoft Active Accessibility: the window's
// object, its children, their names, values, roles and states. The window tests and the reader
// program in a process of its own (ScreenReader.cpp) read alike.

struct ReleaseAccessible {
    void operator()(IAccessible* object) const { object->Release(); }
};
using AccessiblePtr = std::unique_ptr<IAccessible, ReleaseAccessible>;

inline VARIANT ChildVariant(LONG child = CHILDID_SELF) {
    VARIANT id{};
    id.vt = VT_I4;
    id.lVal = child;
    return id;
}

// The object a window hands a reader; null if none.
inline AccessiblePtr ObjectOfWindow(HWND window, LONG id = OBJID_CLIENT) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(id), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object))))
        return nullptr;
    return AccessiblePtr(object);
}

// The object a VARIANT holds, if it holds one (the VARIANT is cleared).
inline AccessiblePtr ObjectOf(VARIANT& variant) {
    IAccessible* object = nullptr;
    if (variant.vt == VT_DISPATCH && variant.pdispVal != nullptr)
        variant.pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&object));
    VariantClear(&variant);
    return AccessiblePtr(object);
}

// A text property (get_accName, get_accValue) in UTF-8; empty if the object gives none.
template <class Ask> std::string TextOf(IAccessible& object, LONG child, Ask ask) {
    BSTR text = nullptr;
    const HRESULT result = (object.*ask)(ChildVariant(child), &text);
    std::string utf8 = SUCCEEDED(result) && text != nullptr ? Narrow(text) : "";
    SysFreeString(text);
    return utf8;
}

inline std::string AccessibleName(IAccessible& object, LONG child = CHILDID_SELF) {
    return TextOf(object, child, &IAccessible::get_accName);
}

inline std::string AccessibleDescriptionOf(IAccessible& object) {
    return TextOf(object, CHILDID_SELF, &IAccessible::get_accDescription);
}

inline std::string AccessibleValue(IAccessible& object) {
    return TextOf(object, CHILDID_SELF, &IAccessible::get_accValue);
}

// A number property (get_accRole, get_accState); -1 if the object gives none.
template <class Ask> LONG NumberOf(IAccessible& object, Ask ask) {
    VARIANT number;
    VariantInit(&number);
    const HRESULT result = (object.*ask)(ChildVariant(), &number);
    const LONG answer = SUCCEEDED(result) && number.vt == VT_I4 ? number.lVal : -1;
    VariantClear(&number);
    return answer;
}

// The children that are objects of their own, in order, as AccessibleChildren gives them.
inline std::vector<AccessiblePtr> ChildObjects(IAccessible& object) {
    LONG count = 0;
    object.get_accChildCount(&count);
    std::vector<VARIANT> children(static_cast<size_t>(count));
    LONG obtained = 0;
    AccessibleChildren(&object, 0, count, children.data(), &obtained);
    std::vector<AccessiblePtr> objects;
    for (LONG i = 0; i < obtained; ++i)
        if (AccessiblePtr child = ObjectOf(children[static_cast<size_t>(i)]))
            objects.push_back(std::move(child));
    return objects;
}

// The names of a row's cells between " | ", as the reader program writes them.
inline std::string CellNames(IAccessible& row) {
    std::string line;
    for (const AccessiblePtr& cell : ChildObjects(row))
        line += (line.empty() ? "" : " | ") + AccessibleName(*cell);
    return line;
}
