#include "StartUp.h"

#include "Win32Files.h"

#include <commctrl.h>
#include <objbase.h>

ProgramWindows::ProgramWindows(MessageBoxes& boxes)
    : Boxes(boxes), Presenters(Boxes), Form1(Presenters, Boxes), Form2(), Form3(Presenters, Boxes),
      Spread(Presenters, Form1, Boxes), Design(Presenters, Form1) {
    UsePlatformFiles(&Win32Files());
    Form1.SetHelpWindow(&Form2);
    Form1.SetGraphWindow(&Form3);
    ShowWindow(Form1.Handle(), SW_SHOW);
    UpdateWindow(Form1.Handle());
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
