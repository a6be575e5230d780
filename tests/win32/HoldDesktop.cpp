// Keeps wine's desktop up for a whole test run. The desktop's own process (explorer.exe) starts
// with the first program that needs a desktop and ends a moment after the last such program has
// exited; started from a test program it inherits that program's standard output and error, which
// are ctest's pipe, and ctest waits until it lets go of them: some twenty seconds after every
// window test. Started by the test script before ctest, with its output going nowhere, this
// program stays on the desktop until the wine server is stopped, so no test starts the desktop
// anew. Its argument names a file it makes once the desktop is up, for the script to wait on.
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
    // A window, never shown, makes this process one of the desktop's users.
    const HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    if (window == nullptr)
        return 1;
    if (argc > 1)
        CloseHandle(CreateFileW(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
