#include "CommandLine.h"

#include "app/files/DesignCommand.h"
#include "app/files/SafeFile.h"
#include "app/files/SpreadCommand.h"
#include "app/files/StageFile.h"
#include "app/files/TableExport.h"
#include "app/presenters/EventGuard.h"
#include "app/presenters/MainLayout.h"
#include "app/presenters/MainWindowTexts.h"
#include "app/texts/CalculationTexts.h"
#include "app/texts/Fill.h"
#include "app/texts/Texts.h"
#include "calc/Calculation.h"

#include <algorithm>
#include <exception>

namespace {

CommandLine Wrong(std::string error) {
    CommandLine command;
    command.Do = CommandLine::Action::Error;
    command.Error = std::move(error);
    return command;
}

CommandLineOutcome Failed(int exit, const std::string& message) {
    return {exit, {}, message + "\n"};
}

std::string Utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace

std::filesystem::path PathFromUtf8(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

namespace {

// The arguments less the toolkit's options and their values.
std::vector<std::string> WithoutToolkitOptions(const std::vector<std::string>& arguments,
                                               std::span<const ToolkitOption> options) {
    std::vector<std::string> kept;
    for (size_t i = 0; i < arguments.size(); ++i) {
        std::string_view argument = arguments[i];
        if (argument == "--") {
            kept.insert(kept.end(), arguments.begin() + static_cast<std::ptrdiff_t>(i),
                        arguments.end());
            break;
        }
        if (argument.starts_with("--"))
            argument.remove_prefix(1);
        // "-style fusion", or "-style=fusion" in one.
        const std::string_view name = argument.substr(0, argument.find('='));
        const auto option = std::find_if(options.begin(), options.end(),
                                         [&](const ToolkitOption& o) { return o.Name == name; });
        if (option == options.end())
            kept.push_back(arguments[i]);
        else if (option->TakesValue && name.size() == argument.size())
            ++i;
    }
    return kept;
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& allArguments,
                             std::span<const ToolkitOption> toolkitOptions) {
    using Action = CommandLine::Action;
    CommandLine command;
    const std::vector<std::string> arguments = WithoutToolkitOptions(allArguments, toolkitOptions);
    if (arguments.empty())
        return command;
    const std::string& first = arguments.front();
    size_t needed = 1;
    if (first == "--help" || first == "-h") {
        command.Do = Action::Help;
    } else if (first == "--version") {
        command.Do = Action::Version;
    } else if (first == "--csv") {
        if (arguments.size() < 3)
            return Wrong(kCsvNeedsTwoNames);
        command.Do = Action::Csv;
        command.TablePath = PathFromUtf8(arguments[1]);
        command.StagePath = PathFromUtf8(arguments[2]);
        needed = 3;
    } else if (first == "--spread") {
        return ParseSpreadArguments(arguments);
    } else if (first == "--design") {
        return ParseDesignArguments(arguments);
    } else if (first == "--" && arguments.size() > 1) {
        // A file whose name begins with "-".
        command.Do = Action::Open;
        command.StagePath = PathFromUtf8(arguments[1]);
        needed = 2;
    } else if (first.starts_with('-')) {
        return Wrong(Fill(kUnknownOption, {{"option", first}}));
    } else {
        command.Do = Action::Open;
        command.StagePath = PathFromUtf8(first);
    }
    if (arguments.size() > needed)
        return Wrong(Fill(kExtraArgument, {{"argument", arguments[needed]}}));
    return command;
}

CommandLine ParseOutputAndStage(const std::vector<std::string>& arguments,
                                CommandLine::Action action, const char* needsTwoNames,
                                std::initializer_list<std::string_view> options,
                                const OptionTaker& take) {
    if (arguments.size() < 3)
        return Wrong(needsTwoNames);
    CommandLine command;
    command.Do = action;
    command.TablePath = PathFromUtf8(arguments[1]);
    command.StagePath = PathFromUtf8(arguments[2]);
    std::vector<std::string> given;
    for (size_t i = 3; i < arguments.size(); i += 2) {
        const std::string& option = arguments[i];
        if (std::ranges::find(options, option) == options.end())
            return Wrong(option.starts_with('-') ? Fill(kUnknownOption, {{"option", option}})
                                                 : Fill(kExtraArgument, {{"argument", option}}));
        if (std::ranges::find(given, option) != given.end())
            return Wrong(Fill(kRepeatedOption, {{"option", option}}));
        given.push_back(option);
        if (i + 1 == arguments.size())
            return Wrong(Fill(kOptionNeedsValue, {{"option", option}}));
        const std::string& value = arguments[i + 1];
        if (std::string need = take(command, option, value); !need.empty())
            return Wrong(
                Fill(kOptionRefused, {{"option", option}, {"value", value}, {"need", need}}));
    }
    return command;
}

std::optional<CommandLineOutcome> CalculateForOutput(const CommandLine& command,
                                                     const char* sameFile, HeadlessRun& run) {
    if (auto refused = RefuseOutputOverStage(command.TablePath, command.StagePath, sameFile))
        return refused;
    CalculateHeadless(command.StagePath, run);
    return run.Refused;
}

bool RunsWithoutWindows(const CommandLine& command) {
    using Action = CommandLine::Action;
    return command.Do != Action::ShowForm && command.Do != Action::Open;
}

std::optional<CommandLineOutcome> RefuseOutputOverStage(const std::filesystem::path& out,
                                                        const std::filesystem::path& stage,
                                                        const char* message) {
    if (out == kStandardOutputName || !SameFile(out, stage))
        return std::nullopt;
    return Failed(kExitBadInput, Fill(message, {{"out", Utf8(out)}, {"stage", Utf8(stage)}}));
}

std::string_view TextForConsole(std::string_view output) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (output.starts_with(kByteOrderMark))
        output.remove_prefix(kByteOrderMark.size());
    return output;
}

void CalculateHeadless(const std::filesystem::path& stage, HeadlessRun& run) {
    run.Reading = ReadStageFile(stage);
    if (!run.Reading.Loaded) {
        // As every other message of the command line, that of a file not read names the program.
        run.Refused =
            Failed(kExitBadInput, run.Reading.NotOpened
                                      ? Fill(kCommandLineMessage, {{"message", run.Reading.Error}})
                                      : run.Reading.Error);
        return;
    }
    const std::string fileName = Utf8(stage.filename());
    run.Warnings = UnknownKeyWarnings(run.Reading, fileName);
    const auto failed = [&](int exit, const std::string& message) {
        run.Refused = CommandLineOutcome{exit, {}, run.Warnings + message + "\n"};
    };
    // A value the file lacks would be computed as 0: another stage than the file's.
    if (const std::string missing = MissingValuesRefusal(run.Reading, fileName); !missing.empty())
        return failed(kExitBadInput, missing);
    // The values as the window would hold them once opened, so the table is the window's.
    const StageCheck check = CheckStage(InNormalForm(*run.Reading.Loaded));
    if (const Refusal* refusal = std::get_if<Refusal>(&check))
        return failed(kExitCalculationFailed, RefusalText(*refusal));
    run.Result = ComputeSweep(std::get<CheckedStage>(check));
    if (run.Result->Fault) {
        try {
            std::rethrow_exception(run.Result->Fault);
        } catch (const std::exception& error) {
            return failed(kExitCalculationFailed, ErrorBoxText(error));
        }
    }
}

CommandLineOutcome CalculateToCsv(const std::filesystem::path& table,
                                  const std::filesystem::path& stage) {
    if (auto refused = RefuseOutputOverStage(table, stage, kTableIsStageFile))
        return *refused;
    HeadlessRun run;
    CalculateHeadless(stage, run);
    if (run.Refused)
        return *run.Refused;
    ResultTable results(kInitialResultRows);
    WriteResultHeadings(results);
    results.Show(run.Result);
    if (table == kStandardOutputName)
        return {kExitSuccess, CsvText(results), run.Warnings};
    if (const std::string failure = SaveTable(results, table); !failure.empty())
        return {kExitBadInput, {}, run.Warnings + failure + "\n"};
    return {kExitSuccess, {}, run.Warnings};
}

CommandLineOutcome RunWithoutWindows(const CommandLine& command) {
    using Action = CommandLine::Action;
    switch (command.Do) {
    case Action::Help:
        return {kExitSuccess, kUsage, {}};
    case Action::Version:
        return {kExitSuccess, std::string("ou ") + OU_VERSION + "\n", {}};
    case Action::Csv:
        return CalculateToCsv(command.TablePath, command.StagePath);
    case Action::Spread:
        return SpreadToCsv(command);
    case Action::Design:
        return DesignToStageFile(command);
    case Action::Error:
        return Failed(kExitBadInput, command.Error + "\n" + kSeeHelp);
    case Action::ShowForm:
    case Action::Open:
        break;
    }
    return {};
}
