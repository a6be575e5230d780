#include "StartUp.h"

#include <commctrl.h>

ProgramWindows::ProgramWindows(MessageBoxes& boxes)
    : Form1(boxes), Form2(), Form3(Form1.State(), boxes) {
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
}

int RunMessageLoop() {
    MSG message = {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        const HWND window = GetAncestor(message.hwnd, GA_ROOT);
        if (window != nullptr && IsDialogMessageW(window, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
