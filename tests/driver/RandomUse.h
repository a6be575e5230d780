#pragma once

#include "WindowDriver.h"
#include "app/files/StageForm.h"
#include "app/presenters/ResultTable.h"
#include "app/texts/Texts.h"
#include "calc/Calculation.h"
#include "numerics/Rounding.h"

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <variant>
#include <vector>

// A seeded random walk over the main window, as a user who types anything and presses everything:
// parameters and sweep fields typed good, bad, huge, Cyrillic or blank, "расчет", "сброс", the
// check box, and the menu bar's kinds of sweep and phase. After each step it checks what app/
// decides rather than deciding it again: at most one box per action, and after "расчет" without
// a box, the table is a fresh calculation of the stage the form shows. The same seed walks the
// same way, so a failing walk is replayed from the seed and step it names.
class RandomUse {
  public:
    RandomUse(WindowDriver& windows, uint64_t seed)
        : windows_(windows), seed_(seed), random_(seed) {}

    // Walks `steps` steps, stopping at the first that breaks a rule.
    Findings Walk(int steps) {
        Findings found;
        for (int step = 0; step < steps && found.All().empty(); ++step) {
            const std::string done = Step();
            Check(found, "seed " + std::to_string(seed_) + ", step " + std::to_string(step) + " (" +
                             done + ")");
        }
        return found;
    }

    // How many tables the walk found to be fresh calculations of the stage shown.
    int TablesChecked() const { return tablesChecked_; }

  private:
    // The form as the walk reads it back, for the stage it shows.
    class ShownForm final : public FormView {
      public:
        explicit ShownForm(WindowDriver& windows) : windows_(windows), results_(1) {}
        std::string CellText(int column, int row) const override {
            return windows_.ParameterCell(column, row);
        }
        void SetCellText(int, int, const std::string&) override {}
        std::string EditText(StageField field) const override { return windows_.SweepText(field); }
        void SetEditText(StageField, const std::string&) override {}
        ResultTable& Results() override { return results_; }
        void SetGraphEnabled(bool) override {}
        bool LogScaleChecked() const override { return false; }
        void SetLogScaleChecked(bool) override {}
        void ShowMessage(const std::string&) override {}

      private:
        WindowDriver& windows_;
        ResultTable results_;
    };

    int Below(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    double Between(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random_);
    }

    // What a user might type into a field meant for a number near `typical`.
    std::string AnyText(double typical) {
        static const std::array<const char*, 9> odd = {
            "", "0", "-5", "1e308", "abc", "пять", " 7 ", "1,5", "123456789012345678901234567890"};
        // Three digits, as a user types a value.
        if (Below(8) > 0)
            return FrequencyText(RoundSignificant(3, typical * Between(0.5, 2)));
        return odd[static_cast<size_t>(Below(static_cast<int>(odd.size())))];
    }

    std::string TypeParameter(int row, bool commit) {
        static const std::array<double, 13> typical = {100, 1000, 1, 99,     1000, 10, 1,
                                                       100, 1,    1, 100000, 10,   1};
        const std::string text = AnyText(typical[static_cast<size_t>(row - 1)]);
        windows_.TypeParameter(row, text, commit);
        return "parameter " + std::to_string(row) + " «" + text + "»";
    }
    // A sweep of at most some thousands of points, or anything.
    std::string TypeSweep(int field) {
        static const std::array<double, 3> typical = {20, 20000, 100};
        const std::string text = AnyText(typical[static_cast<size_t>(field)]);
        windows_.TypeSweep(static_cast<StageField>(static_cast<int>(StageField::From) + field),
                           text);
        return "sweep field " + std::to_string(field) + " «" + text + "»";
    }

    std::string Step() {
        calculated_ = false;
        switch (Below(12)) {
        case 0:
        case 1:
        case 2:
            return TypeParameter(1 + Below(13), Below(8) > 0);
        case 3:
            return TypeSweep(Below(3));
        case 4: {
            std::string typed = "a whole stage:";
            for (int row = 1; row <= 13; ++row)
                typed += " " + TypeParameter(row, true);
            for (int field = 0; field < 3; ++field)
                typed += " " + TypeSweep(field);
            return typed;
        }
        case 5:
        case 6:
        case 7:
            windows_.Click(MainControlName::BuRas);
            calculated_ = true;
            return "расчет";
        case 8:
            windows_.Click(MainControlName::Button3);
            return "сброс";
        case 9:
            windows_.Click(MainControlName::CheckBox1);
            return "check box";
        default: {
            static const std::array<const char*, 3> items = {
                kLinearSweepCommand, kDecadeSweepCommand, kLaggingPhaseCommand};
            const char* item = items[static_cast<size_t>(Below(3))];
            windows_.ChooseMenuItem(item);
            return item;
        }
        }
    }

    void Check(Findings& found, const std::string& where) {
        const std::vector<std::string> messages = windows_.TakeMessages();
        const std::vector<std::string> errors = windows_.TakeErrors();
        found.True(where + ": one box per action", messages.size() + errors.size() <= 1);
        if (!calculated_ || !messages.empty() || !errors.empty())
            return;
        // Accepted and run to its end: the table shows the stage the form now shows.
        Stage shown = StageFromForm(
            ShownForm(windows_),
            windows_.MenuItemChecked(kDecadeSweepCommand) ? SweepKind::Decade : SweepKind::Linear);
        shown.Phase = windows_.MenuItemChecked(kLaggingPhaseCommand) ? OpAmpPhase::Lagging
                                                                     : OpAmpPhase::Leading;
        const StageCheck check = CheckStage(shown);
        found.True(where + ": the stage shown is one the check accepts",
                   std::holds_alternative<CheckedStage>(check));
        if (!std::holds_alternative<CheckedStage>(check))
            return;
        const SharedResult fresh = ComputeSweep(std::get<CheckedStage>(check));
        ++tablesChecked_;
        found.Equal(where + ": rows", windows_.ResultRows(), fresh->Count() + 1);
        if (windows_.ResultRows() != fresh->Count() + 1)
            return;
        for (const int row : {1, (fresh->Count() + 1) / 2, fresh->Count()}) {
            const auto i = static_cast<size_t>(row - 1);
            found.Equal(where + ": frequency", windows_.ResultCell(0, row),
                        FrequencyText(fresh->Frequencies[i]));
            if (i < static_cast<size_t>(fresh->Computed)) {
                found.Equal(where + ": ratio", windows_.ResultCell(1, row),
                            GainText(fresh->Ratio[i]));
                found.Equal(where + ": dB", windows_.ResultCell(2, row),
                            GainText(fresh->Decibels[i]));
            }
        }
    }

    WindowDriver& windows_;
    uint64_t seed_;
    std::mt19937_64 random_;
    bool calculated_ = false;
    int tablesChecked_ = 0;
};
