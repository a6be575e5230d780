#include "DesignCommand.h"

#include "analysis/DesignRanking.h"
#include "app/design/DesignRequest.h"
#include "app/files/SafeFile.h"
#include "app/files/StageFile.h"
#include "app/settings/AnalysisSettings.h"
#include "app/spread/SpreadRequest.h"
#include "app/texts/DesignTexts.h"
#include "app/texts/Fill.h"
#include "app/texts/Texts.h"
#include "numerics/NumberText.h"
#include "numerics/Rounding.h"

#include <algorithm>
#include <cmath>
#include <exception>

namespace {

// Four significant digits, as a message quotes a frequency or a gain.
std::string Rounded(double value) {
    return NumberToText(RoundSignificant(4, value), U'.');
}

std::string CandidateBlock(size_t number, const RankedDesign& ranked) {
    std::string text = "candidate = " + std::to_string(number) + "\n";
    for (size_t part = 0; part < kDesignParts; ++part)
        text += std::string(kParameterKeys[part]) + " = " +
                NumberToText(ranked.Candidate.Values[part], U'.') + "\n";
    text += "margin_db = " + Rounded(ranked.Candidate.Margin) + "\n";
    text += "meets = " + std::string(ranked.Meets() ? "1" : "0") + "\n";
    text += "yield = " + Rounded(ranked.Yield.Value) + "\n";
    text += "yield_low = " + Rounded(ranked.Yield.Low) + "\n";
    text += "yield_high = " + Rounded(ranked.Yield.High) + "\n";
    text += "distinct_values = " + std::to_string(ranked.Candidate.DistinctValues) + "\n";
    return text;
}

} // namespace

CommandLine ParseDesignArguments(const std::vector<std::string>& arguments) {
    return ParseOutputAndStage(
        arguments, CommandLine::Action::Design, kDesignNeedsTwoNames, {"--threads"},
        [](CommandLine& command, const std::string&, const std::string& value) -> std::string {
            return (command.Threads = WholeNumberIn(value, 1, 256)) ? "" : kNeedThreads;
        });
}

CommandLineOutcome DesignToStageFile(const CommandLine& command) {
    HeadlessRun nominal;
    if (auto refused = CalculateForOutput(command, kDesignFileIsStageFile, nominal))
        return *refused;
    const auto bad = [&](const std::string& message) {
        return CommandLineOutcome{kExitBadInput, {}, nominal.Warnings + message + "\n"};
    };
    const SpreadSettings& settings = nominal.Reading.Spread;
    if (!settings.Limits.Any())
        return bad(Fill(kDesignNoRequirement,
                        {{"file", std::string(reinterpret_cast<const char*>(
                                      command.StagePath.filename().u8string().c_str()))}}));

    const SpreadInput spread = SpreadRequest(*nominal.Result, settings, command.Threads);
    const DesignRequestMaking making = MakeDesignRequest(spread);
    if (making.EmptyPart >= 0) {
        const auto part = static_cast<size_t>(making.EmptyPart);
        const StandardSeries series =
            part < 5 ? settings.Design.ResistorSeries : settings.Design.CapacitorSeries;
        return bad(Fill(kDesignNoValues, {{"key", std::string("range_") + kParameterKeys[part]},
                                          {"series", std::string(SeriesName(series))}}));
    }
    CancelToken control;
    const std::vector<RankedDesign> ranked = RankDesigns(making.Request, spread, control).Ranked;
    std::string blocks;
    for (size_t i = 0; i < ranked.size(); ++i)
        blocks += (i == 0 ? "" : "\n") + CandidateBlock(i + 1, ranked[i]);
    // The best that meets the requirements at its nominal values; none: the best of all misses.
    const auto best = std::ranges::find_if(ranked, &RankedDesign::Meets);
    if (best == ranked.end()) {
        const RequirementCheck check = ranked.empty() ? RequirementCheck{} : ranked.front().Check;
        return {kExitCalculationFailed, blocks,
                nominal.Warnings +
                    Fill(kDesignNoneMeets, {{"requirement", MissedRequirementText(check, U'.')}}) +
                    "\n"};
    }
    Stage designed = *nominal.Reading.Loaded;
    for (size_t part = 0; part < kDesignParts; ++part)
        designed.Parameters[part] = best->Candidate.Values[part];
    const std::string failure = WriteStageFile(command.TablePath, designed, settings);
    if (!failure.empty())
        return bad(failure);
    return {kExitSuccess, blocks, nominal.Warnings};
}
