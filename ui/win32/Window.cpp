#include "Window.h"

#include <set>
#include <string>

namespace {

HINSTANCE Instance() {
    return GetModuleHandleW(nullptr);
}

void Register(const wchar_t* className, UINT classStyle, HBRUSH background, WNDPROC procedure) {
    static std::set<std::wstring> registered;
    if (!registered.insert(className).second)
        return;
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = Instance();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = className;
    RegisterClassExW(&windowClass);
}

} // namespace

Window::~Window() {
    if (handle_ != nullptr)
        DestroyWindow(handle_);
}

void Window::Create(const wchar_t* className, UINT classStyle, HBRUSH background, DWORD exStyle,
                    const wchar_t* text, DWORD style, RECT bounds, HWND parent, int id) {
    Register(className, classStyle, background, &Window::Procedure);
    CreateWindowExW(exStyle, className, text, style, bounds.left, bounds.top,
                    bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                    // A child's menu handle is its control identifier.
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), Instance(), this);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(handle_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->handle_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    const LRESULT result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->handle_ = nullptr;
    }
    return result;
}

Window* Window::Of(HWND window) {
    if (window == nullptr ||
        GetWindowLongPtrW(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&Procedure))
        return nullptr;
    return reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}
