#pragma once

#include "app/files/StageFile.h"
#include "calc/SweepResult.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// What the program was asked on its command line:
//   ou                      the empty form
//   ou FILE                 the form with the stage in FILE
//   ou --csv OUT FILE       no window: FILE's results into OUT, as "Сохранить таблицу…" writes;
//                           OUT "-" is standard output
//   ou --spread OUT FILE …  no window: the tolerance analysis of FILE's stage (SpreadCommand.h)
//   ou --help, ou --version
struct CommandLine {
    enum class Action { ShowForm, Open, Csv, Spread, Design, Help, Version, Error };

    Action Do = Action::ShowForm;
    std::filesystem::path StagePath; // Open, Csv: the stage file
    // Csv, Spread: where the table goes, "-" for standard output; Design: the stage designed.
    std::filesystem::path TablePath;
    // Spread: what the options set; unset, the file's settings or the analysis's defaults.
    std::optional<int> Threads;
    std::optional<int32_t> Trials;
    std::optional<uint64_t> Seed;
    std::string Error; // Error: why the arguments are wrong, in Russian
};

// An option of the toolkit's own that every program built with it accepts ("-platform offscreen",
// "-style", "-reverse"); the toolkit reads it, the program passes over it.
struct ToolkitOption {
    std::string_view Name;  // with one dash; "--name" is taken for it too
    bool TakesValue = true; // the next argument is its value
};

// The arguments after the program's name, in UTF-8 (each front converts its own), passing over
// the toolkit's options the front names.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments,
                             std::span<const ToolkitOption> toolkitOptions = {});

// A path from UTF-8 text, whole on every system (on Windows a name in any script).
std::filesystem::path PathFromUtf8(const std::string& text);

// The name that stands for standard output in place of a file.
inline constexpr std::string_view kStandardOutputName = "-";

// The exit codes of a run without windows.
enum ExitCode { kExitSuccess = 0, kExitCalculationFailed = 1, kExitBadInput = 2 };

// What a run without windows prints and ends with.
struct CommandLineOutcome {
    int Exit = kExitSuccess;
    std::string Output; // for standard output
    std::string Errors; // for standard error
};

// Csv, Spread, Help, Version and Error run without any window; ShowForm and Open start the
// windows.
bool RunsWithoutWindows(const CommandLine& command);
// Runs one of those. The number texts follow the decimal separator source, so a front sets it up
// as for its window first.
CommandLineOutcome RunWithoutWindows(const CommandLine& command);

// "--mode OUT FILE" followed by options of `options`, each with a value and given at most once:
// `take` takes one into the command, or returns what its value needs. Any other argument, an
// option repeated or without its value, or a value refused makes the command an Error.
using OptionTaker = std::function<std::string(CommandLine& command, const std::string& option,
                                              const std::string& value)>;
CommandLine ParseOutputAndStage(const std::vector<std::string>& arguments,
                                CommandLine::Action action, const char* needsTwoNames,
                                std::initializer_list<std::string_view> options,
                                const OptionTaker& take);

// Refused with exit 2 and `message` (a template naming {out} and {stage}, and what OUT holds)
// when OUT (not "-") is FILE itself under any name.
std::optional<CommandLineOutcome> RefuseOutputOverStage(const std::filesystem::path& out,
                                                        const std::filesystem::path& stage,
                                                        const char* message);

// What a console shows of an output: the text without the byte-order mark that a CSV carries for
// the spreadsheets that read it as a file (a console would show it as a stray character).
std::string_view TextForConsole(std::string_view output);

// FILE's stage through the calculation with no window, as "ou --csv" and "ou --spread" compute
// it, from the values as the window would hold them once the file is opened: Result holds what it
// computed; Refused holds the outcome (message, exit code, the warnings first) when the file
// cannot be read, is refused or lacks a value (2) or the calculation refuses it or stops on a
// floating-point error (1). Warnings: one line for each key FILE has that the program does not
// know.
struct HeadlessRun {
    SharedResult Result = NoResult();
    StageReading Reading;
    std::string Warnings;
    std::optional<CommandLineOutcome> Refused;
};
void CalculateHeadless(const std::filesystem::path& stage, HeadlessRun& run);
// The same for a mode that writes OUT from FILE, refusing first an OUT that is FILE itself
// (RefuseOutputOverStage with `sameFile`): the outcome where either refuses.
std::optional<CommandLineOutcome> CalculateForOutput(const CommandLine& command,
                                                     const char* sameFile, HeadlessRun& run);

// "ou --csv OUT FILE": "расчет" over FILE's stage, then the table into OUT (OUT "-": the table's
// bytes as the outcome's Output). Exits 1 when the calculation refuses a value or stops on a
// floating-point error, 2 when FILE cannot be read, is refused or lacks a value, when OUT is FILE
// itself (under any name) or cannot be written; OUT is left untouched unless the exit is 0. Keys
// FILE has that the program does not know are warned about on standard error.
CommandLineOutcome CalculateToCsv(const std::filesystem::path& table,
                                  const std::filesystem::path& stage);
