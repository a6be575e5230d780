#include "SpreadCommand.h"

#include "analysis/SpreadReport.h"
#include "analysis/SpreadTexts.h"
#include "app/files/SafeFile.h"
#include "app/presenters/EventGuard.h"
#include "app/settings/AnalysisSettings.h"
#include "app/spread/SpreadRequest.h"
#include "app/texts/Fill.h"
#include "app/texts/Texts.h"

#include <algorithm>
#include <exception>

namespace {

CommandLine Wrong(std::string error) {
    CommandLine wrong;
    wrong.Error = std::move(error);
    wrong.Do = CommandLine::Action::Error;
    return wrong;
}

} // namespace

CommandLine ParseSpreadArguments(const std::vector<std::string>& arguments) {
    if (arguments.size() < 3)
        return Wrong(kSpreadNeedsTwoNames);
    CommandLine command;
    command.Do = CommandLine::Action::Spread;
    command.TablePath = PathFromUtf8(arguments[1]);
    command.StagePath = PathFromUtf8(arguments[2]);
    std::vector<std::string> given;
    for (size_t i = 3; i < arguments.size(); i += 2) {
        const std::string& option = arguments[i];
        if (option != "--threads" && option != "--trials" && option != "--seed")
            return Wrong((option.starts_with('-') ? kUnknownOptionPrefix : kExtraArgumentPrefix) +
                         option + "»");
        if (std::ranges::find(given, option) != given.end())
            return Wrong(Fill(kRepeatedOption, {{"option", option}}));
        given.push_back(option);
        if (i + 1 == arguments.size())
            return Wrong(kSpreadOptionNeedsValuePrefix + option + kSpreadOptionNeedsValueSuffix);
        const std::string& value = arguments[i + 1];
        const auto refused = [&](const std::string& need) {
            return Wrong(
                Fill(kOptionRefused, {{"option", option}, {"value", value}, {"need", need}}));
        };
        if (option == "--threads") {
            if (!(command.Threads = WholeNumberIn(value, 1, 256)))
                return refused(kNeedThreads);
            continue;
        }
        // The others are the stage file's settings, read as the file reads them.
        SpreadSettings read;
        if (std::string need = AnalysisSettingOf(option.substr(2))->Read(read, value, U'.');
            !need.empty())
            return refused(need);
        if (option == "--trials")
            command.Trials = read.Trials;
        else
            command.Seed = read.Seed;
    }
    return command;
}

CommandLineOutcome SpreadToCsv(const CommandLine& command) {
    if (auto refused =
            RefuseOutputOverStage(command.TablePath, command.StagePath, kSpreadFileIsStageFile))
        return *refused;
    HeadlessRun nominal;
    CalculateHeadless(command.StagePath, nominal);
    if (nominal.Refused)
        return *nominal.Refused;

    SpreadSettings settings = nominal.Reading.Spread;
    settings.Trials = command.Trials.value_or(settings.Trials);
    settings.Seed = command.Seed.value_or(settings.Seed);
    const SpreadInput input = SpreadRequest(*nominal.Result, settings, command.Threads);
    SpreadControl control;
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
        return failed(outcome.Refusal);
    const SpreadResult& result = *outcome.Result;
    if (command.TablePath == kStandardOutputName)
        return {kExitSuccess, SpreadCsvText(result), nominal.Warnings + SpreadSummary(result)};
    const std::string failure =
        WriteFileSafely(command.TablePath, [&](std::ostream& out) { WriteSpreadCsv(result, out); });
    if (!failure.empty())
        return {kExitBadInput, {}, nominal.Warnings + failure + "\n"};
    return {kExitSuccess, SpreadSummary(result), nominal.Warnings};
}
