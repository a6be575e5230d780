#pragma once

#include "WindowsApi.h"
#include "app/CommandLine.h"

#include <string>
#include <string_view>
#include <vector>

// The command line of the Windows fronts, shared by the window program ou.exe and its console
// companion ou.com: the arguments in UTF-8, a run without windows through the Windows file layer,
// and its texts onto the standard handles.

// The arguments after the program's name, in UTF-8 from the wide command line, so a file name in
// any script arrives whole.
std::vector<std::string> ProgramArguments();

// Sets up the arithmetic and the number texts as both programs compute (floating-point faults
// as exceptions, the locale's decimal separator), then reads the program's arguments.
CommandLine ReadProgramCommandLine();

// What follows the program's name on a command line, as typed: ou.com hands it to ou.exe
// unchanged, quotes and all. The name ends, as Windows reads it, at its closing quote or at the
// first blank.
std::wstring_view ArgumentsAfterProgramName(std::wstring_view commandLine);

// "ou --csv …", "--help", "--version" or wrong arguments, with every file written through the
// Windows file layer, so a failure reads as in the window ("на диске не хватает места").
CommandLineOutcome RunWithoutWindowsOnWindows(const CommandLine& command);

// Writes the text to a standard handle: to a console as wide characters (WriteConsoleW, so
// Cyrillic reads right whatever the console's code page), to a file or a pipe as the bytes they
// are (WriteFile: UTF-8, the CSV's CRLF line ends kept; no C runtime text mode in between).
// False when the handle takes no more.
bool WriteStandard(HANDLE handle, std::string_view text);

// Writes the outcome's output and errors to the two handles; returns its exit code.
int Report(const CommandLineOutcome& outcome, HANDLE output, HANDLE errors);
