#pragma once

#include "WindowDriver.h"
#include "app/design/DesignControls.h"
#include "app/files/StageForm.h"
#include "app/presenters/ResultTable.h"
#include "app/spread/SpreadControls.h"
#include "app/texts/Texts.h"
#include "calc/Calculation.h"
#include "numerics/Rounding.h"
#include "tests/app/ForwardedFiles.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <variant>
#include <vector>

// A seeded random walk over the windows, as a user who types anything and presses everything:
// parameters and sweep fields typed good, bad, huge, Cyrillic or blank, "расчет", "сброс", the
// check box, the menu bar's kinds of sweep and phase, the stage saved and opened at a good place
// or where no file can be (a folder that is not there, a full disk, a folder that takes no new
// file) with every answer to "Сохранить изменения?", the dialogs of "Разброс…" and "Подбор
// номиналов…" left by "Отмена", "график" with its context menu, keys and pointer, the windows
// resized. After each step it checks what app/ decides rather than deciding it again: at most one
// box per action besides a question; after "расчет" without a box, the table is a fresh
// calculation of the stage the form shows; after a save without a box, the caption says the stage
// is its file's; no file is half-written (after a refused save the file holds what it held, and
// no temporary file stays); the graph's marker stands on a point of the result; and over the
// walk, what the windows hold does not grow. The same seed walks the same way, so a failing walk
// is replayed from the seed and step it names.
class RandomUse {
  public:
    RandomUse(WindowDriver& windows, uint64_t seed)
        : windows_(windows), seed_(seed), random_(seed), folder_(OwnFolder(seed)),
          file_(folder_ / std::u8string(u8"ou случайный путь.ou")) {}
    ~RandomUse() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    RandomUse(const RandomUse&) = delete;
    RandomUse& operator=(const RandomUse&) = delete;

    // Walks `steps` steps, stopping at the first that breaks a rule. What the windows hold is
    // counted once the walk has settled and at its end, and must not have grown by more than a
    // few (a window's picture, a curve kept) over all the actions between.
    Findings Walk(int steps) {
        Findings found;
        const int settled = std::min(steps / 4, 500);
        std::vector<std::pair<std::string, long>> before;
        for (int step = 0; step < steps && found.All().empty(); ++step) {
            if (step == settled)
                before = windows_.Holdings();
            const std::string done = Step();
            Check(found, "seed " + std::to_string(seed_) + ", step " + std::to_string(step) + " (" +
                             done + ")");
        }
        if (found.All().empty() && !before.empty()) {
            const std::vector<std::pair<std::string, long>> after = windows_.Holdings();
            for (size_t i = 0; i < after.size(); ++i) {
                const auto& [name, held] = after[i];
                holdings_ += ", " + name + " " + std::to_string(before[i].second) + " → " +
                             std::to_string(held);
                found.True("seed " + std::to_string(seed_) + ": " + name + " grew from " +
                               std::to_string(before[i].second) + " at step " +
                               std::to_string(settled) + " to " + std::to_string(held),
                           held <= before[i].second + 8);
            }
        }
        return found;
    }

    // What the walk met: the tables found to be fresh calculations of the stage shown, the
    // stages saved, the saves refused, the dialogs left by "Отмена".
    std::string Summary() const {
        return std::to_string(tablesChecked_) + " tables checked, " + std::to_string(saves_) +
               " saves checked, " + std::to_string(refusedSaves_) + " refused, " +
               std::to_string(dialogs_) + " dialogs cancelled" + holdings_;
    }

  private:
    // The platform's files, but for a step a disk that is full part way through a file, or a
    // folder that takes no new file, as the system reports them.
    class RefusingDisk final : public ForwardedFiles {
      public:
        enum class Refusal { None, Full, ReadOnly };

        RefusingDisk() { UsePlatformFiles(this); }
        ~RefusingDisk() override { UsePlatformFiles(&files_); }
        RefusingDisk(const RefusingDisk&) = delete;
        RefusingDisk& operator=(const RefusingDisk&) = delete;

        void Refuse(Refusal refusal) {
            refusal_ = refusal;
            room_ = 40; // a full disk takes the first bytes of a file
            refused_.reset();
        }

        std::optional<Handle> CreateNew(const std::filesystem::path& path) override {
            if (refusal_ == Refusal::ReadOnly)
                return Fail(FileFailure::AccessDenied);
            return files_.CreateNew(path);
        }
        std::optional<std::size_t> WriteSome(Handle file, const char* data,
                                             std::size_t size) override {
            if (refusal_ != Refusal::Full)
                return files_.WriteSome(file, data, size);
            if (room_ == 0)
                return Fail(FileFailure::DiskFull);
            const std::optional<std::size_t> written =
                files_.WriteSome(file, data, std::min(size, room_));
            room_ -= written.value_or(0);
            return written;
        }
        // A save stops at its first failure, so a refusal is the step's last.
        FileError LastFailure() const override {
            return refused_ ? *refused_ : files_.LastFailure();
        }

      private:
        std::nullopt_t Fail(FileFailure failure) {
            refused_ = FileError{failure, 0};
            return std::nullopt;
        }

        Refusal refusal_ = Refusal::None;
        std::size_t room_ = 0;
        std::optional<FileError> refused_;
    };

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

    // Save, "Сохранить как…" or Open, the file dialogs answering with the walk's file or a place
    // that is not there, the question with any answer.
    std::string Files() {
        held_ = FileBytes();
        const int place = Below(6);
        const bool good = place > 0;
        windows_.AnswerFileDialogs(good ? file_ : nowhere_);
        windows_.AnswerQuestions(static_cast<Answer>(Below(3)));
        disk_.Refuse(place == 1   ? RefusingDisk::Refusal::Full
                     : place == 2 ? RefusingDisk::Refusal::ReadOnly
                                  : RefusingDisk::Refusal::None);
        static const std::array<const char*, 6> places = {
            " nowhere", " on a full disk", " in a read-only folder", "", "", ""};
        const std::string where = places[static_cast<size_t>(place)];
        switch (Below(3)) {
        case 0:
            windows_.ChooseMenuItem(kSaveCommand);
            saved_ = true;
            return "save" + where;
        case 1:
            windows_.ChooseMenuItem(kSaveAsCommand);
            saved_ = true;
            return "save as" + where;
        default:
            windows_.ChooseMenuItem(kOpenCommand);
            return "open" + where;
        }
    }

    // A dialog of the analyses opened and left by "Отмена" (unless refused before it comes).
    std::string AnalysisDialog() {
        const bool spread = Below(2) == 0;
        windows_.WhenShown(spread ? kSpreadDialogName : kDesignDialogName,
                           [this, spread](DialogDriver& dialog) {
                               dialog.Click(spread ? kSpreadCancel.Id : kDesignCancel.Id);
                               ++dialogs_;
                           });
        windows_.ChooseMenuItem(spread ? kSpreadCommand : kDesignCommand);
        windows_.ForgetAnswers();
        return spread ? "Разброс…, Отмена" : "Подбор номиналов…, Отмена";
    }

    // "график", then its context menu, a key that moves its marker, the pointer over it, or a
    // window resized.
    std::string Graph() {
        if (!windows_.Enabled(MainControlName::Button1))
            return "график, disabled";
        windows_.Click(MainControlName::Button1);
        switch (Below(5)) {
        case 0:
            return "график";
        case 1: {
            const char* item = Below(2) == 0 ? kRememberCurveCommand : kForgetCurvesCommand;
            windows_.ChooseGraphMenuItem(item);
            return std::string("график, ") + item;
        }
        case 2: {
            const int step = Below(6);
            windows_.PressInGraph(static_cast<MarkerStep>(step));
            marked_ = true;
            return "график, marker step " + std::to_string(step);
        }
        case 3: {
            const int x = Below(900), y = Below(700);
            windows_.PointInGraph(x, y);
            return "график, pointer at " + std::to_string(x) + ", " + std::to_string(y);
        }
        default: {
            const bool graph = Below(2) == 0;
            const int width = 200 + Below(900), height = 150 + Below(700);
            windows_.Resize(graph, width, height);
            return std::string(graph ? "graph" : "main window") + " resized to " +
                   std::to_string(width) + "×" + std::to_string(height);
        }
        }
    }

    std::string Step() {
        calculated_ = saved_ = marked_ = false;
        disk_.Refuse(RefusingDisk::Refusal::None);
        switch (Below(16)) {
        case 12:
        case 13:
            return Files();
        case 14:
            return AnalysisDialog();
        case 15:
            return Graph();
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

    std::optional<std::string> FileBytes() const {
        std::ifstream in(file_, std::ios::binary);
        if (!in)
            return std::nullopt;
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    long FilesInFolder() const {
        std::error_code gone;
        return std::distance(std::filesystem::directory_iterator(folder_, gone),
                             std::filesystem::directory_iterator());
    }
    // A new folder, so that walks run side by side, of one seed too, in one process or several.
    static std::filesystem::path OwnFolder(uint64_t seed) {
        auto name = std::chrono::steady_clock::now().time_since_epoch().count();
        std::filesystem::path folder;
        do
            folder = std::filesystem::temp_directory_path() /
                     ("ou-walk-" + std::to_string(seed) + "-" + std::to_string(name++));
        while (!std::filesystem::create_directories(folder));
        return folder;
    }

    void Check(Findings& found, const std::string& where) {
        const std::vector<std::string> messages = windows_.TakeMessages();
        const std::vector<std::string> errors = windows_.TakeErrors();
        windows_.TakeQuestions();
        found.True(where + ": one box per action", messages.size() + errors.size() <= 1);
        if (marked_) {
            const std::optional<size_t> marker = windows_.GraphMarker();
            found.True(where + ": the marker on a point of the result",
                       !marker || *marker < static_cast<size_t>(windows_.Result().Count()));
        }
        if (saved_ && messages.empty() && errors.empty()) {
            found.True(where + ": saved, the caption unmarked",
                       !windows_.Caption().starts_with("*"));
            ++saves_;
        }
        if (saved_ && !(messages.empty() && errors.empty())) {
            found.True(where + ": a refused save leaves the file as it was", FileBytes() == held_);
            ++refusedSaves_;
        }
        found.True(where + ": no temporary file stays", FilesInFolder() <= 1);
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
    bool saved_ = false;
    bool marked_ = false;
    int tablesChecked_ = 0;
    int saves_ = 0;
    int refusedSaves_ = 0;
    int dialogs_ = 0;
    std::string holdings_;               // what the windows held once settled and at the end
    const std::filesystem::path folder_; // the walk's own
    const std::filesystem::path file_;
    std::optional<std::string> held_; // the file's bytes before the last file step
    RefusingDisk disk_;
    const std::filesystem::path nowhere_ =
        std::filesystem::temp_directory_path() / "ou-no-such-folder" / "stage.ou";
};
