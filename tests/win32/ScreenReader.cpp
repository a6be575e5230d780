// A screen reader's view of a running ou.exe, from a process of its own as readers call it:
// finds the main window (class MainWindow) of the process given, and writes what Microsoft Active
// Accessibility tells of its two tables and its controls, one line each, in UTF-8.
//
//   screen_reader PROCESS-ID OUTPUT-FILE
//
// Exit code 0 when it read the window, 1 when it found none.

#include "AccessibleReading.h"
#include "ui/win32/MainWindow.h"

#include <fstream>

namespace {

HWND MainWindowOf(DWORD process) {
    HWND window = nullptr;
    DWORD owner = 0;
    while ((window = FindWindowExW(nullptr, window, L"TForm1", nullptr)) != nullptr)
        if (GetWindowThreadProcessId(window, &owner) != 0 && owner == process)
            return window;
    return nullptr;
}

// "table: NAME", then a line per row (at most `rows`): its cells' names between " | ".
void WriteTable(std::ofstream& out, HWND grid, size_t rows) {
    const AccessiblePtr table = ObjectOfWindow(grid);
    if (!table)
        return;
    out << "table: " << AccessibleName(*table) << "\n";
    const std::vector<AccessiblePtr> children = ChildObjects(*table);
    for (size_t row = 0; row < children.size() && row < rows; ++row)
        out << CellNames(*children[row]) << "\n";
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3)
        return 2;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const HWND form = MainWindowOf(static_cast<DWORD>(std::wcstoul(argv[1], nullptr, 10)));
    if (form == nullptr)
        return 1;
    std::ofstream out(argv[2], std::ios::binary);
    using Id = MainControlName;
    WriteTable(out, GetDlgItem(form, ControlId(Id::SgIsh)), 15);
    WriteTable(out, GetDlgItem(form, ControlId(Id::SgResult)), 3);
    for (int id : {ControlId(Id::EdOt), ControlId(Id::EdDo), ControlId(Id::EdDf),
                   ControlId(Id::BuRas), ControlId(Id::Button2), ControlId(Id::CheckBox1)})
        if (const AccessiblePtr control = ObjectOfWindow(GetDlgItem(form, id)))
            out << "control: " << AccessibleName(*control) << "\n";
    CoUninitialize();
    return 0;
}
