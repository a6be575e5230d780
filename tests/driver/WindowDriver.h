#pragma once

#include "analysis/SpreadAnalysis.h"
#include "analysis/SpreadSettings.h"
#include "app/design/DesignControls.h"
#include "app/graph/GraphMarker.h"
#include "app/presenters/FileChooser.h"
#include "app/presenters/MainLayout.h"
#include "app/presenters/MessageBoxes.h"
#include "app/spread/SpreadControls.h"
#include "calc/Stage.h"
#include "calc/SweepResult.h"
#include "plot/Surface.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// A window's client area as it paints itself, pixel by pixel, row by row.
struct Picture {
    int Width = 0;
    int Height = 0;
    std::vector<Rgb> Pixels;

    Rgb At(int x, int y) const {
        return Pixels[static_cast<size_t>(y) * static_cast<size_t>(Width) + static_cast<size_t>(x)];
    }
    // Anywhere in the columns [left, right).
    bool Shows(Rgb colour, int left = 0, int right = -1) const {
        for (int y = 0; y < Height; ++y)
            for (int x = left; x < (right < 0 ? Width : right); ++x)
                if (At(x, y) == colour)
                    return true;
        return false;
    }
};

// Keys pressed in the focused control.
enum class Keys { Escape, ControlS };

// A modal window of the program as the user works it while it is up; its controls by their IDs
// (SpreadControls.h, DesignControls.h).
class DialogDriver {
  public:
    virtual void Type(int field, const std::string& text) = 0;
    // A field's or a text's text, its lines ended by "\n".
    virtual std::string Text(int control) = 0;
    // A button pressed, a check box toggled.
    virtual void Click(int control) = 0;
    // Into a field, which takes the focus; the focus put on a control as Tab does.
    virtual void ClickInto(int field) = 0;
    virtual void Focus(int control) = 0;
    // In the focused control, through the event loop.
    virtual void PressEnter() = 0;
    virtual void PressTab() = 0;
    virtual std::string FocusedName() = 0;
    virtual std::string SelectedText() = 0;
    virtual int ListCount(int list) = 0;
    virtual bool Shown() = 0;

  protected:
    ~DialogDriver() = default;
};

// The program's windows as a user works them: what she types, presses and chooses, and what she
// reads back. Each front implements it over its own controls (Qt in-process, Win32 under wine),
// so that a behaviour both fronts must show is written once (MainWindowBehaviours.h) and run on
// each. Rows and columns of the grids count from 0, row 0 holding the headings.
class WindowDriver {
  public:
    virtual ~WindowDriver() = default;

    // Into a parameter's value cell (row 1 … 13) key by key, then Enter unless `commit` is false,
    // which leaves the editor open.
    virtual void TypeParameter(int row, const std::string& text, bool commit = true) = 0;
    virtual void TypeSweep(StageField field, const std::string& text) = 0;
    virtual void Click(MainControlName control) = 0;
    virtual void ChooseMenuItem(const char* text) = 0;
    // Through the event loop, where the menu bar's keys are taken.
    virtual void Press(Keys keys) = 0;
    // As the program started with `file` on its command line does.
    virtual void OpenAtStart(const std::filesystem::path& file) = 0;
    // The file dialogs answer with `file` from now on, the questions with `answer`.
    virtual void AnswerFileDialogs(const std::filesystem::path& file) = 0;
    virtual void AnswerQuestions(Answer answer) = 0;
    // The main window's close box; whether the program then ends.
    virtual bool CloseMainWindow() = 0;
    // `answer` works the modal window of the object name `window` once, when it is next up;
    // AwaitAnswers handles events until every answer has run, and says whether they did within a
    // minute.
    virtual void WhenShown(const char* window, std::function<void(DialogDriver&)> answer) = 0;
    virtual bool AwaitAnswers() = 0;
    // Drops the answers still waiting: their windows did not come.
    virtual void ForgetAnswers() = 0;
    // In the graph window: the key that moves its marker so, the pointer moved to (x, y) of its
    // client area.
    virtual void PressInGraph(MarkerStep step) = 0;
    virtual void PointInGraph(int x, int y) = 0;
    // The graph asked to paint again, when the event loop next runs.
    virtual void RepaintGraphLater() = 0;
    // From now on each box runs the event loop while it is up, as a modal box does; how many
    // boxes were up at once at the most since.
    virtual void BoxesRunTheEventLoop() = 0;
    virtual int MostBoxesUpAtOnce() = 0;
    // The main window or the graph resized, its frame to `width` by `height`.
    virtual void Resize(bool graph, int width, int height) = 0;
    // An item of the graph window's context menu.
    virtual void ChooseGraphMenuItem(const char* text) = 0;

    virtual bool MenuItemChecked(const char* text) = 0;
    virtual std::string Caption() = 0;
    virtual bool MainWindowShown() = 0;
    virtual bool GraphShown() = 0;
    // The graph window's picture, once the paints asked for have happened; whether it draws in
    // decibels over log f.
    virtual Picture GraphPicture() = 0;
    virtual bool GraphLogScale() = 0;
    virtual std::optional<size_t> GraphMarker() = 0;
    // The analyses' settings the stage keeps, the tolerance analysis's band, whether an analysis
    // runs.
    virtual const SpreadSettings& AnalysisSettings() = 0;
    virtual std::shared_ptr<const SpreadResult> Band() = 0;
    virtual bool AnalysisRunning() = 0;
    virtual std::string ClipboardText() = 0;
    virtual std::string ParameterCell(int column, int row) = 0;
    virtual std::string SweepText(StageField field) = 0;
    virtual std::string LabelText(MainControlName label) = 0;
    virtual bool Checked(MainControlName checkBox) = 0;
    virtual bool Enabled(MainControlName control) = 0;
    // With the heading row.
    virtual int ResultRows() = 0;
    virtual std::string ResultCell(int column, int row) = 0;
    // The last calculation's result, as the presenter keeps it.
    virtual const SweepResult& Result() = 0;
    // The texts of the boxes shown since last asked: messages, and errors.
    virtual std::vector<std::string> TakeMessages() = 0;
    virtual std::vector<std::string> TakeErrors() = 0;
    virtual std::vector<std::string> TakeQuestions() = 0;
    // What the windows hold that a leak would grow, by name: GDI objects, windows, widgets.
    virtual std::vector<std::pair<std::string, long>> Holdings() = 0;
};

// Answers every file dialog with one file.
class AnsweringChooser final : public FileChooser {
  public:
    std::filesystem::path SaveFileName(const FileRequest&) override { return answer; }
    std::filesystem::path OpenFileName(const FileRequest&) override { return answer; }
    std::filesystem::path answer;
};

// What went wrong in a behaviour, in words; a front's test fails with them.
class Findings {
  public:
    template <class Got, class Want> void Equal(const std::string& what, Got got, Want want) {
        if (!(got == want))
            found_.push_back(what + ": " + Text(got) + ", expected " + Text(want));
    }
    void True(const std::string& what, bool held) {
        if (!held)
            found_.push_back(what);
    }
    const std::vector<std::string>& All() const { return found_; }
    std::string Joined() const {
        std::string joined;
        for (const std::string& finding : found_)
            joined += finding + "\n";
        return joined;
    }

  private:
    static std::string Text(const std::string& text) { return "«" + text + "»"; }
    static std::string Text(const char* text) { return Text(std::string(text)); }
    static std::string Text(const std::vector<std::string>& texts) {
        std::string joined = "{";
        for (const std::string& text : texts)
            joined += Text(text);
        return joined + "}";
    }
    template <class Number> static std::string Text(Number number) {
        return std::to_string(number);
    }

    std::vector<std::string> found_;
};

// The object name of a control of the analyses' windows.
inline std::string AnalysisObjectName(int id) {
    const std::string spread = SpreadObjectName(id);
    return spread.empty() ? DesignObjectName(id) : spread;
}

// The answers waiting for their windows to come up.
class PendingAnswers {
  public:
    void Add(const char* window, std::function<void(DialogDriver&)> answer) {
        pending_.push_back({window, std::move(answer)});
    }
    // Runs, once, the answer waiting for `window` if one does; taken first, so that a window the
    // answer brings up meets the others.
    void RunFor(const std::string& window, DialogDriver& dialog) {
        for (auto at = pending_.begin(); at != pending_.end(); ++at)
            if (at->first == window) {
                const std::function<void(DialogDriver&)> answer = std::move(at->second);
                pending_.erase(at);
                answer(dialog);
                return;
            }
    }
    std::vector<std::string> Windows() const {
        std::vector<std::string> windows;
        for (const auto& [window, answer] : pending_)
            windows.push_back(window);
        return windows;
    }
    bool Empty() const { return pending_.empty(); }

  private:
    std::vector<std::pair<std::string, std::function<void(DialogDriver&)>>> pending_;
};
