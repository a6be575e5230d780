#pragma once

#include "Stage.h"
#include "numerics/Rounding.h"
#include "numerics/StageModel.h"

#include <cstdint>
#include <exception>
#include <memory>
#include <span>

// One calculation's outcome, never changed once made: the sweep's frequencies and the gains the
// stage has at them, with what they were computed from. Shared, not copied, by the result table,
// the graph and the kept curves.
struct SweepResult {
    // The values the rows were computed from, as the form shows them after "расчет": every field
    // filled (a blank one read as 0), in units of entry. What names a kept curve's stage.
    Stage Entered;
    // The same stage in Ω, F and Hz, for the model (the characteristic points).
    StageParameters Model{};

    std::vector<double> Frequencies; // Hz, ascending, the end frequency last
    // Rows 0 … Computed − 1 hold the gains; a calculation stopped by a floating-point fault
    // leaves the rest 0, not results.
    std::vector<double> Ratio;    // |gain| per frequency
    std::vector<double> Decibels; // 20·log10(Ratio)
    int32_t Computed = 0;
    // The fault that stopped the calculation (in the unit conversion or at frequency Computed),
    // none when every row was computed.
    std::exception_ptr Fault;

    int32_t Count() const { return static_cast<int32_t>(Frequencies.size()); }
    std::span<const double> ComputedFrequencies() const { return Head(Frequencies); }
    std::span<const double> ComputedRatio() const { return Head(Ratio); }
    std::span<const double> ComputedDecibels() const { return Head(Decibels); }

  private:
    std::span<const double> Head(const std::vector<double>& series) const {
        return std::span<const double>(series).first(static_cast<size_t>(Computed));
    }
};

using SharedResult = std::shared_ptr<const SweepResult>;

// The result before any calculation: no rows.
const SharedResult& NoResult();
