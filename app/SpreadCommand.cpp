#include "SpreadCommand.h"

#include "CalculationCommand.h"
#include "EventGuard.h"
#include "HeadlessForm.h"
#include "SafeFile.h"
#include "StageForm.h"
#include "StageTexts.h"
#include "analysis/SpreadReport.h"
#include "analysis/SpreadTexts.h"

#include <exception>
#include <thread>

namespace {

CommandLine Wrong(std::string error) {
    CommandLine wrong;
    wrong.Error = std::move(error);
    wrong.Do = CommandLine::Action::Error;
    return wrong;
}

// The stage as "ou --csv" calculates it: the nominal curve must pass before any trial.
struct Nominal {
    HeadlessForm form;
    SpreadSettings settings; // as the file keeps them
    std::optional<CommandLineOutcome> refused;
};

void CalculateNominal(const std::filesystem::path& path, Nominal& nominal) {
    const StageReading reading = ReadStageFile(path);
    if (!reading.Loaded) {
        nominal.refused = CommandLineOutcome{kExitBadInput, {}, reading.Error + "\n"};
        return;
    }
    nominal.settings = reading.Spread;
    PutStageIntoForm(nominal.form, *reading.Loaded);
    nominal.form.SetSweep(reading.Loaded->Sweep);
    std::string refusal;
    try {
        BuRasClick(nominal.form, nominal.form.State(), nominal.form.Sweep());
        refusal = nominal.form.Message();
    } catch (const std::exception& error) {
        refusal = ErrorBoxText(error);
    }
    if (!refusal.empty())
        nominal.refused = CommandLineOutcome{kExitCalculationFailed, {}, refusal + "\n"};
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error);
}

} // namespace

CommandLine ParseSpreadArguments(const std::vector<std::string>& arguments) {
    if (arguments.size() < 3)
        return Wrong(kSpreadNeedsTwoNames);
    CommandLine command;
    command.Do = CommandLine::Action::Spread;
    command.TablePath = PathFromUtf8(arguments[1]);
    command.StagePath = PathFromUtf8(arguments[2]);
    for (size_t i = 3; i < arguments.size(); i += 2) {
        const std::string& option = arguments[i];
        if (option != "--threads" && option != "--trials" && option != "--seed")
            return Wrong((option.starts_with('-') ? kUnknownOptionPrefix : kExtraArgumentPrefix) +
                         option + "»");
        if (i + 1 == arguments.size())
            return Wrong(kSpreadOptionNeedsValuePrefix + option + kSpreadOptionNeedsValueSuffix);
        const std::string& value = arguments[i + 1];
        const std::string bad = "ou: " + option + kSpreadBadValueInfix + value;
        if (option == "--threads" && !(command.Threads = WholeNumberIn(value, 1, 256)))
            return Wrong(bad + kSpreadThreadsRange);
        if (option == "--trials" && !(command.Trials = WholeNumberIn(value, 1, kMaxTrials)))
            return Wrong(bad + kSpreadTrialsRange);
        if (option == "--seed" && !(command.Seed = WholeNumberIn(value, uint64_t{0}, UINT64_MAX)))
            return Wrong(bad + kSpreadSeedRange);
    }
    return command;
}

CommandLineOutcome SpreadToCsv(const CommandLine& command) {
    const bool toStandardOutput = command.TablePath == "-";
    if (!toStandardOutput && SameFile(command.TablePath, command.StagePath))
        return {kExitBadInput,
                {},
                kSpreadSameFilePrefix + command.TablePath.filename().string() +
                    kSpreadSameFileSuffix + "\n"};
    Nominal nominal;
    CalculateNominal(command.StagePath, nominal);
    if (nominal.refused)
        return *nominal.refused;

    const CalcState& state = nominal.form.State();
    SpreadInput input;
    input.Nominal = state.Entered.Parameters;
    input.Frequencies.assign(state.Frequencies.begin(), state.Frequencies.begin() + state.Count);
    input.Settings = nominal.settings;
    input.Settings.Trials = command.Trials.value_or(input.Settings.Trials);
    input.Settings.Seed = command.Seed.value_or(input.Settings.Seed);
    input.Threads = command.Threads.value_or(
        static_cast<int>(std::max(1u, std::thread::hardware_concurrency())));
    SpreadControl control;
    SpreadOutcome outcome;
    try {
        outcome = RunSpread(input, control);
    } catch (const std::exception& error) {
        return {kExitCalculationFailed, {}, ErrorBoxText(error) + "\n"};
    }
    if (!outcome.Result)
        return {kExitCalculationFailed, {}, outcome.Refusal + "\n"};
    const SpreadResult& result = *outcome.Result;
    if (toStandardOutput)
        return {kExitSuccess, SpreadCsvText(result), SpreadSummary(result)};
    const std::string failure =
        WriteFileSafely(command.TablePath, [&](std::ostream& out) { WriteSpreadCsv(result, out); });
    if (!failure.empty())
        return {kExitBadInput, {}, failure + "\n"};
    return {kExitSuccess, SpreadSummary(result), {}};
}
