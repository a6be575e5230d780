#pragma once

#include "Stage.h"
#include "SweepResult.h"

#include <cstdint>
#include <exception>
#include <variant>

// The calculation of one stage, with no window in it:
//   Stage → CheckStage → Refusal, or CheckedStage (in Ω, F, Hz) → ComputeSweep → SweepResult.

// The most sweep frequencies one calculation accepts: beyond it the table and the series would
// take gigabytes and the user has surely mistyped the step.
constexpr int32_t kMaxSweepFrequencies = 10'000'000;
// The most points per decade a decade sweep accepts.
constexpr int32_t kMaxPointsPerDecade = 1'000'000;

// Why a stage is refused; the texts the user reads are in the catalogue (RefusalText).
enum class RefusalReason {
    InputShorted,         // R1 or R3 is 0
    NoSignalThroughC1,    // C1 is 0
    NoGain,               // k0 is 0
    NoInputResistance,    // Rin is 0
    NoUnityGainFrequency, // f1 is 0
    DecadeStartNotAbove0, // a decade sweep from 0 Hz or below; Value is the start
    NoStartFrequency,     // a linear sweep from 0 Hz
    NoEndFrequency,       // to 0 Hz
    BadPointsPerDecade,   // not a whole number from 1 to kMaxPointsPerDecade; Value is it
    BadStep,              // a linear step of 0 Hz or below; Value is the step
    EndBelowStart,        // to below from
    TooManyPoints,        // more than kMaxSweepFrequencies by a step; Value is the step
    TooManyDecadePoints,  // the same by points per decade; Value is the points per decade
};

struct Refusal {
    RefusalReason Reason;
    StageField Field; // the field it names
    // How many fields were read before the check stopped, the named one included when it comes
    // in reading order: fields 0 … FieldsRead − 1. A window rewrites exactly those.
    int FieldsRead;
    double Value; // the number quoted in the text, where it quotes one
};

// A stage that passed the check: its values as read, the sweep planned, the stage in Ω, F and Hz.
struct CheckedStage {
    Stage Entered; // every field filled: a blank one is read as 0
    StageParameters Model{};
    // A floating-point fault of the unit conversion (a value beyond double once in Ω, F or Hz).
    // It belongs to the result, not to the check: the sweep's frequencies are still listed.
    std::exception_ptr ConversionFault;
    int32_t Formed = 0; // frequencies formed from the start, by the step or the decade rule
    int32_t Count = 0;  // Formed, then the end frequency when the last of them falls short of it
};

using StageCheck = std::variant<Refusal, CheckedStage>;

// Reads the sixteen values in StageField order, a blank one as 0, and stops at the first refused,
// in the order the checks have always run: R1, R3, C1, k0, Rin, f1 as each is read, the start
// (above 0 for a decade sweep), the end, the step or points per decade, then the end against the
// start and the number of frequencies. Only exact zeros are refused: negative values pass.
StageCheck CheckStage(const Stage& stage);

// How many fields the check read: all of them for a stage that passed.
int FieldsRead(const StageCheck& check);

// The sweep's frequencies and the gains at them. A linear sweep steps by the third field in Hz
// from the start; a decade sweep takes that many points per decade, fнач·10^(i/n). Either ends at
// the end frequency itself. A floating-point fault stops it where it happens: the result keeps the
// rows computed before it and the fault.
SharedResult ComputeSweep(const CheckedStage& stage);

// 20·log10(ratio), as the result table's dB column holds it; a ratio of 0 or below is a
// floating-point error.
double Decibel(double ratio);
