#pragma once

#include "analysis/Sensitivities.h"
#include "analysis/SpreadAnalysis.h"

#include <string>
#include <vector>

// The texts of the tolerance analysis ("Разброс…" and "ou --spread"), the same for every set of
// windows and the command line.

// The thirteen parameters as the parameter grid and the reports name them.
inline constexpr const char* kSpreadParameterNames[] = {"R1", "R2", "R3", "R4", "R5",  "C1", "C2",
                                                        "C3", "C4", "C5", "k0", "Rвх", "f1"};

// What a sensitivity is of.
inline constexpr const char* kSensitivityOfGain = "усиление";
inline constexpr const char* kSensitivityOfLowerEdge = "нижняя граница";
inline constexpr const char* kSensitivityOfUpperEdge = "верхняя граница";
// The parts ranked by their influence, the tolerance times the sensitivity.
inline constexpr const char* kStrongestPrefix =
    "сильнее всего влияет (допуск × чувствительность): ";
inline constexpr const char* kNothingVaries = "сильнее всего влияет: ничто, все допуски 0";

// Sentences with named places (app/texts/Fill.h). What the analysis runs: random trials,
// or the combinations of the ends of the tolerances, which are no sample of anything built.
inline constexpr const char* kTrialsNoun = "испытаний";
inline constexpr const char* kCombinationsNoun = "сочетаний";
// {count} of {trials} trials or combinations ({noun}) left out.
inline constexpr const char* kFailedTrials = "в {count} из {trials} {noun} расчет невозможен";
// {count} of {trials} trials or combinations ({noun}) whose edge lies beyond the sweep's end at
// {end} Hz.
inline constexpr const char* kUpperEdgeAboveSweep =
    "в {count} из {trials} {noun} верхняя граница выше {end} Гц";
inline constexpr const char* kLowerEdgeBelowSweep =
    "в {count} из {trials} {noun} нижняя граница ниже {end} Гц";
// A quantile known only to lie beyond a bound, as the windows write it ("> 5000") and as the
// summary of "ou --spread" does (">5000").
inline constexpr const char* kShownAbove = "> {bound}";
inline constexpr const char* kShownBelow = "< {bound}";
inline constexpr const char* kSummaryAbove = ">{bound}";
inline constexpr const char* kSummaryBelow = "<{bound}";
// A quantity no trial has.
inline constexpr const char* kNoEdge = "нет";

// The spread CSV's heading.
inline constexpr const char* kSpreadFrequencyHeading = "f (Гц)";
inline constexpr const char* kSpreadNominalHeading = "номинал (дБ)";
inline constexpr const char* kSpreadMinHeading = "мин (дБ)";
inline constexpr const char* kSpreadLowHeading = "5 % (дБ)";
inline constexpr const char* kSpreadMedianHeading = "медиана (дБ)";
inline constexpr const char* kSpreadHighHeading = "95 % (дБ)";
inline constexpr const char* kSpreadMaxHeading = "макс (дБ)";

// Refused settings.
inline constexpr const char* kToleranceOutOfRange =
    "допуск {parameter}={value}?..нужно число от 0 до 100, не включая 100";
inline constexpr const char* kTrialsOutOfRange = "испытаний {value}?..нужно целое от 1 до 100000";
inline constexpr const char* kTooManyTrialGains =
    "испытаний × частот больше миллиарда?..уменьшите число испытаний или точек";
inline constexpr const char* kNoSweep = "нет частот: сначала задайте диапазон";
inline constexpr const char* kLimitRangeReversed = "пределы: fкон<fнач?..Нельзя";
// The frequency limits as the refusals name them, in kSpreadFrequencyLimits' order, and the
// refusals: {limit} the name, {value} the limit, {end} the end of the sweep, in Hz.
inline constexpr const char* kFrequencyLimitNames[] = {"усиление от частоты", "усиление до частоты",
                                                       "нижняя граница не выше",
                                                       "верхняя граница не ниже"};
inline constexpr const char* kLimitNotPositive = "{limit} {value} Гц?..нужна частота больше 0";
inline constexpr const char* kLimitBelowSweep =
    "{limit} {value} Гц: ниже начала диапазона {end} Гц";
inline constexpr const char* kLimitAboveSweep = "{limit} {value} Гц: выше конца диапазона {end} Гц";
inline constexpr const char* kLimitGainReversed = "пределы: макс. усиление меньше мин.?..Нельзя";

// The command line, "ou --spread".
inline constexpr const char* kSpreadNeedsTwoNames =
    "ou: после --spread нужны два имени: файл разброса (или «-») и файл каскада";

// The stage file's keys of the analysis, refused as the other keys are:
//   Файл «имя.ou», строка 17: «100» — нужно число от 0 до 100, не включая 100
// A limit against the other end of its range, given earlier on line {line} as {key}.
inline constexpr const char* kFileLimitBelowOther = "«{value}» — меньше {key} в строке {line}";
inline constexpr const char* kFileLimitAboveOther = "«{value}» — больше {key} в строке {line}";

// Why the analysis cannot run, as the dialog's box and "ou --spread" say it: "допуск R1=100?..нужно
// число от 0 до 100, не включая 100", "нижняя граница не выше 100 Гц: ниже начала диапазона
// 1000 Гц", "в 10 из 10 испытаний расчет невозможен".
std::string SpreadRefusalText(const SpreadRefusal& refusal);

// "испытаний", or "сочетаний" for the corners.
const char* TrialsNoun(SpreadMode mode);

// "в 3 из 10000 испытаний расчет невозможен" ("… сочетаний …" for the corners).
std::string FailedTrialsText(int64_t failed, int64_t trials, SpreadMode mode);

// The parameter's name and what it moves most: "C3 (верхняя граница)".
std::string SensitivityName(const Sensitivity& sensitivity);
// What it moves most: "верхняя граница".
const char* SensitivityOfName(const Sensitivity& sensitivity);
// The first `count` of the ranked sensitivities with an influence, as the results box reads them:
// "сильнее всего влияет (допуск × чувствительность): C3 (верхняя граница), R4 (усиление)", or
// that nothing does when every part is held.
std::string StrongestText(const std::vector<Sensitivity>& ranked, size_t count = 3);
