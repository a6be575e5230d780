#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// What the program was asked on its command line:
//   ou                      the empty form
//   ou FILE                 the form with the stage in FILE
//   ou --csv OUT FILE       no window: FILE's results into OUT, as "Сохранить таблицу…" writes
//   ou --spread OUT FILE …  no window: the tolerance analysis of FILE's stage (SpreadCommand.h)
//   ou --help, ou --version
struct CommandLine {
    enum class Action { ShowForm, Open, Csv, Spread, Help, Version, Error };

    Action Do = Action::ShowForm;
    std::filesystem::path StagePath; // Open, Csv: the stage file
    std::filesystem::path TablePath; // Csv, Spread: where the table goes ("-" for Spread: stdout)
    // Spread: what the options set; unset, the defaults of the analysis (every core).
    std::optional<int> Threads;
    std::optional<int32_t> Trials;
    std::optional<uint64_t> Seed;
    std::string Error; // Error: why the arguments are wrong, in Russian
};

// The arguments after the program's name, in UTF-8 (each front converts its own).
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// A path from UTF-8 text, whole on every system (on Windows a name in any script).
std::filesystem::path PathFromUtf8(const std::string& text);

// The exit codes of a run without windows.
enum ExitCode { kExitSuccess = 0, kExitCalculationFailed = 1, kExitBadInput = 2 };

// What a run without windows prints and ends with.
struct CommandLineOutcome {
    int Exit = kExitSuccess;
    std::string Output; // for standard output
    std::string Errors; // for standard error
};

// Csv, Help, Version and Error run without any window; ShowForm and Open start the windows.
bool RunsWithoutWindows(const CommandLine& command);
// Runs one of those. The number texts follow the decimal separator source, so a front sets it up
// as for its window first.
CommandLineOutcome RunWithoutWindows(const CommandLine& command);

// "ou --csv OUT FILE": "расчет" over FILE's stage, then the table into OUT. Exits 1 when the
// calculation refuses a value or stops on a floating-point error, 2 when FILE cannot be read or
// is refused or OUT cannot be written; OUT is left untouched unless the exit is 0.
CommandLineOutcome CalculateToCsv(const std::filesystem::path& table,
                                  const std::filesystem::path& stage);
