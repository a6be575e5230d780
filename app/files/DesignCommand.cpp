#include "DesignCommand.h"

#include "analysis/SpreadAnalysis.h"
#include "analysis/StageDesign.h"
#include "app/files/SafeFile.h"
#include "app/files/StageFile.h"
#include "app/settings/AnalysisSettings.h"
#include "app/spread/SpreadRequest.h"
#include "app/texts/Fill.h"
#include "app/texts/Texts.h"
#include "numerics/NumberText.h"
#include "numerics/Rounding.h"

#include <algorithm>
#include <cmath>
#include <exception>

namespace {

// The candidates listed, and the trials each is tried by at least.
constexpr size_t kCandidates = 10;
constexpr int32_t kLeastTrials = 1000;

// Four significant digits, as a message quotes a frequency or a gain.
std::string Rounded(double value) {
    return NumberToText(RoundSignificant(4, value), U'.');
}

std::string Missed(const RequirementCheck& check) {
    const char* texts[] = {kGainBelowRequired, kGainAboveRequired, kLowerEdgeAboveRequired,
                           kUpperEdgeBelowRequired};
    return Fill(texts[static_cast<size_t>(check.Tightest)],
                {{"found", Rounded(check.Found)}, {"limit", Rounded(check.Limit)}});
}

struct Ranked {
    DesignCandidate Candidate;
    Share Yield;
};

// The yield of the stages built from the candidate, by the stage's tolerances.
Share YieldOf(const DesignCandidate& candidate, const SpreadInput& nominal) {
    SpreadInput input = nominal;
    input.Nominal = candidate.Values;
    input.Settings.Mode = SpreadMode::MonteCarlo;
    input.Settings.Trials = std::max(input.Settings.Trials, kLeastTrials);
    SpreadControl control;
    try {
        const SpreadOutcome outcome = RunSpread(input, control);
        if (outcome.Result && outcome.Result->Yield)
            return *outcome.Result->Yield;
    } catch (const std::exception&) {
        // A candidate whose trials cannot be calculated yields nothing.
    }
    return {};
}

std::string CandidateBlock(size_t number, const Ranked& ranked) {
    std::string text = "candidate = " + std::to_string(number) + "\n";
    for (size_t part = 0; part < kDesignParts; ++part)
        text += std::string(kParameterKeys[part]) + " = " +
                NumberToText(ranked.Candidate.Values[part], U'.') + "\n";
    text += "margin_db = " + Rounded(ranked.Candidate.Margin) + "\n";
    text += "meets = " + std::string(ranked.Candidate.Margin >= 0 ? "1" : "0") + "\n";
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
    DesignRequest request;
    request.Start = spread.Nominal;
    request.Phase = spread.Phase;
    request.Frequencies = spread.Frequencies;
    request.Requirements = settings.Limits;
    request.Seed = settings.Seed;
    request.Threads = spread.Threads;
    const DesignSettings& design = settings.Design;
    for (size_t part = 0; part < kDesignParts; ++part) {
        if (!design.Chosen[part])
            continue;
        const StandardSeries series = part < 5 ? design.ResistorSeries : design.CapacitorSeries;
        const auto& [low, high] = design.Ranges[part];
        request.Choices[part] = SeriesValues(series, low, high);
        if (request.Choices[part].empty())
            return bad(Fill(kDesignNoValues, {{"key", std::string("range_") + kParameterKeys[part]},
                                              {"series", std::string(SeriesName(series))}}));
    }

    const std::atomic<bool> cancel{false};
    std::vector<Ranked> ranked;
    for (const DesignCandidate& candidate : SearchDesigns(request, kCandidates, cancel))
        ranked.push_back({candidate, YieldOf(candidate, spread)});
    // By yield, then by the nominal margin, then by fewer distinct values; the search's order
    // breaks what ties remain.
    std::ranges::stable_sort(ranked, [](const Ranked& a, const Ranked& b) {
        if (a.Yield.Value != b.Yield.Value)
            return a.Yield.Value > b.Yield.Value;
        if (a.Candidate.Margin != b.Candidate.Margin)
            return a.Candidate.Margin > b.Candidate.Margin;
        return a.Candidate.DistinctValues < b.Candidate.DistinctValues;
    });
    std::string blocks;
    for (size_t i = 0; i < ranked.size(); ++i)
        blocks += (i == 0 ? "" : "\n") + CandidateBlock(i + 1, ranked[i]);
    // The best that meets the requirements at its nominal values; none: the best of all misses.
    const auto best =
        std::ranges::find_if(ranked, [](const Ranked& r) { return r.Candidate.Margin >= 0; });
    if (best == ranked.end()) {
        const RequirementCheck check =
            ranked.empty() ? RequirementCheck{}
                           : CheckRequirements(ranked.front().Candidate.Values, request.Phase,
                                               request.Frequencies, request.Requirements);
        return {kExitCalculationFailed, blocks,
                nominal.Warnings + Fill(kDesignNoneMeets, {{"requirement", Missed(check)}}) + "\n"};
    }
    Stage designed = *nominal.Reading.Loaded;
    for (size_t part = 0; part < kDesignParts; ++part)
        designed.Parameters[part] = best->Candidate.Values[part];
    const std::string failure = WriteStageFile(command.TablePath, designed, settings);
    if (!failure.empty())
        return bad(failure);
    return {kExitSuccess, blocks, nominal.Warnings};
}
