#include "SpreadCommand.h"

#include "app/files/SafeFile.h"
#include "app/presenters/EventGuard.h"
#include "app/settings/AnalysisSettings.h"
#include "app/spread/SpreadReport.h"
#include "app/spread/SpreadRequest.h"
#include "app/texts/Fill.h"
#include "app/texts/SpreadTexts.h"
#include "app/texts/Texts.h"

#include <algorithm>
#include <exception>

CommandLine ParseSpreadArguments(const std::vector<std::string>& arguments) {
    return ParseOutputAndStage(
        arguments, CommandLine::Action::Spread, kSpreadNeedsTwoNames,
        {"--threads", "--trials", "--seed"},
        [](CommandLine& command, const std::string& option,
           const std::string& value) -> std::string {
            if (option == "--threads")
                return (command.Threads = WholeNumberIn(value, 1, 256)) ? "" : kNeedThreads;
            // The others are the stage file's settings, read as the file reads them.
            SpreadSettings read;
            std::string need = AnalysisSettingOf(option.substr(2))->Read(read, value, U'.');
            if (option == "--trials")
                command.Trials = read.Trials;
            else
                command.Seed = read.Seed;
            return need;
        });
}

CommandLineOutcome SpreadToCsv(const CommandLine& command) {
    HeadlessRun nominal;
    if (auto refused = CalculateForOutput(command, kSpreadFileIsStageFile, nominal))
        return *refused;

    SpreadSettings settings = nominal.Reading.Spread;
    settings.Trials = command.Trials.value_or(settings.Trials);
    settings.Seed = command.Seed.value_or(settings.Seed);
    const SpreadInput input = SpreadRequest(*nominal.Result, settings, command.Threads);
    CancelToken control;
    SpreadOutcome outcome;
    const auto failed = [&](const std::string& message) {
        return CommandLineOutcome{kExitCalculationFailed, {}, nominal.Warnings + message + "\n"};
    };
    try {
        outcome = RunSpread(input, control);
    } catch (const std::exception& error) {
        return failed(ErrorBoxText(error));
    }
    if (!outcome.Result)
        return failed(SpreadRefusalText(outcome.Refusal));
    const SpreadResult& result = *outcome.Result;
    if (command.TablePath == kStandardOutputName)
        return {kExitSuccess, SpreadCsvText(result), nominal.Warnings + SpreadSummary(result)};
    const std::string failure =
        WriteFileSafely(command.TablePath, [&](std::ostream& out) { WriteSpreadCsv(result, out); });
    if (!failure.empty())
        return {kExitBadInput, {}, nominal.Warnings + failure + "\n"};
    return {kExitSuccess, SpreadSummary(result), nominal.Warnings};
}
