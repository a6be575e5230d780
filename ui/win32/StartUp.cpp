#include "StartUp.h"

#include "Win32Files.h"

#include <commctrl.h>
#include <objbase.h>

ProgramWindows::ProgramWindows(MessageBoxes& boxes)
    : Boxes(boxes), Presenters(Boxes), Main(Presenters, Boxes), Help(), Graph(Presenters, Boxes),
      Spread(Presenters, Main, Boxes), Design(Presenters, Main) {
    UsePlatformFiles(&Win32Files());
    Main.SetHelpWindow(&Help);
    Main.SetGraphWindow(&Graph);
    ShowWindow(Main.Handle(), SW_SHOW);
    UpdateWindow(Main.Handle());
}

void InitialiseControls() {
    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);
    // Screen readers' calls to the windows' accessible objects (Accessible.h) arrive through COM
    // on this thread, between its messages.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
}

void DispatchWindowMessage(MSG& message) {
    const HWND window = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN)
        if (Window* owner = Window::Of(window); owner != nullptr && owner->TranslateKey(message))
            return;
    if (window != nullptr && IsDialogMessageW(window, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int RunMessageLoop() {
    MSG message = {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchWindowMessage(message);
    return static_cast<int>(message.wParam);
}
