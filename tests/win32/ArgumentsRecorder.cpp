// A stand-in for ou.exe beside ou.com in the console companion's test: it writes the arguments
// it was started with, one a line in UTF-8, into arguments.txt in its own folder.
#include "ui/win32/CommandLineRun.h"

#include <filesystem>
#include <fstream>

int main() {
    std::wstring self(MAX_PATH, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), MAX_PATH));
    const auto part = std::filesystem::path(self).replace_filename("arguments.part");
    std::ofstream out(part, std::ios::binary);
    for (const std::string& argument : ProgramArguments())
        out << argument << "\n";
    out.close();
    // Whole under its name at once, so the test never reads half of it.
    const auto whole = std::filesystem::path(part).replace_extension(".txt");
    return MoveFileW(part.c_str(), whole.c_str()) ? 0 : 1;
}
