#include "StartUp.h"

#include "Win32Files.h"

#include <commctrl.h>
#include <objbase.h>

ProgramWindows::ProgramWindows(MessageBoxes& boxes)
    : Boxes(boxes), Form1(Boxes), Form2(), Form3(Boxes), Spread(Form1, Boxes),
      Design(Form1, Boxes) {
    UsePlatformFiles(&Win32Files());
    Form1.SetHelpWindow(&Form2);
    Form1.SetGraphWindow(&Form3);
    Form1.Form().SetSpreadForm(&Spread.Form());
    Form1.Form().SetDesignForm(&Design.Form());
    Spread.Form().SetGraph(&Form3.Form());
    ShowWindow(Form1.Handle(), SW_SHOW);
    UpdateWindow(Form1.Handle());
}

ProgramWindows::~ProgramWindows() {
    // The analysis's windows go first.
    Form1.Form().SetSpreadForm(nullptr);
    Form1.Form().SetDesignForm(nullptr);
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
