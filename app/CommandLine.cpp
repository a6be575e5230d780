#include "CommandLine.h"

#include "CalculationCommand.h"
#include "EventGuard.h"
#include "HeadlessForm.h"
#include "SpreadCommand.h"
#include "StageForm.h"
#include "StageTexts.h"
#include "TableExport.h"

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

} // namespace

std::filesystem::path PathFromUtf8(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    using Action = CommandLine::Action;
    CommandLine command;
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
    } else if (first == "--" && arguments.size() > 1) {
        // A file whose name begins with "-".
        command.Do = Action::Open;
        command.StagePath = PathFromUtf8(arguments[1]);
        needed = 2;
    } else if (first.starts_with('-')) {
        return Wrong(kUnknownOptionPrefix + first + "»");
    } else {
        command.Do = Action::Open;
        command.StagePath = PathFromUtf8(first);
    }
    if (arguments.size() > needed)
        return Wrong(kExtraArgumentPrefix + arguments[needed] + "»");
    return command;
}

bool RunsWithoutWindows(const CommandLine& command) {
    using Action = CommandLine::Action;
    return command.Do != Action::ShowForm && command.Do != Action::Open;
}

CommandLineOutcome CalculateToCsv(const std::filesystem::path& table,
                                  const std::filesystem::path& stage) {
    const StageReading reading = ReadStageFile(stage);
    if (!reading.Loaded)
        return Failed(kExitBadInput, reading.Error);
    HeadlessForm form;
    PutStageIntoForm(form, *reading.Loaded);
    form.SetSweep(reading.Loaded->Sweep);
    try {
        BuRasClick(form, form.State(), form.Sweep());
    } catch (const std::exception& error) {
        return Failed(kExitCalculationFailed, ErrorBoxText(error));
    }
    if (!form.Message().empty())
        return Failed(kExitCalculationFailed, form.Message());
    if (const std::string failure = SaveTable(form.Results(), table); !failure.empty())
        return Failed(kExitBadInput, failure);
    return {};
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
    case Action::Error:
        return Failed(kExitBadInput, command.Error + "\n" + kSeeHelp);
    case Action::ShowForm:
    case Action::Open:
        break;
    }
    return {};
}
