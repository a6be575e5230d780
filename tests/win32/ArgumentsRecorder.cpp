// A stand-in for ou.exe beside ou.com in the console companion's test: it writes the arguments
// it was started with, one a line in UTF-8, into arguments.txt in its own folder.
#include "ui/win32/Text.h"
#include "ui/win32/WindowsApi.h"

#include <filesystem>
#include <fstream>
#include <shellapi.h>
#include <string>

int main() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    path = path.substr(0, path.find_last_of(L'\\') + 1) + L"arguments.txt";
    std::string lines;
    for (int i = 1; i < count; ++i)
        lines += Narrow(arguments[i]) + "\n";
    // Written whole under another name first, so the test never reads half of it.
    std::ofstream(std::filesystem::path(path + L".part"), std::ios::binary) << lines;
    return MoveFileW((path + L".part").c_str(), path.c_str()) ? 0 : 1;
}
