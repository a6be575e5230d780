#include "AccessibleReading.h"
#include "WindowTestHelpers.h"
#include "app/texts/AccessibleTexts.h"

#include <map>
#include <sstream>

namespace {

using Id = MainControlName;

// The win events the windows raise, by kind: the name a reader then reads of each one's object.
using HeardEvents = std::map<DWORD, std::vector<std::string>>;
HeardEvents* heard = nullptr;

void CALLBACK Listen(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                     DWORD) {
    IAccessible* source = nullptr;
    VARIANT id{};
    if (heard == nullptr ||
        FAILED(AccessibleObjectFromEvent(window, static_cast<DWORD>(object),
                                         static_cast<DWORD>(child), &source, &id)))
        return;
    (*heard)[event].push_back(AccessibleName(*source, id.vt == VT_I4 ? id.lVal : CHILDID_SELF));
    source->Release();
}

class Accessibility : public ProgramTest {
  protected:
    void TearDown() override {
        if (hook_ != nullptr)
            UnhookWinEvent(hook_);
        heard = nullptr;
        ProgramTest::TearDown();
    }
    // Records the focus, name and value events from now on.
    void StartListening() {
        heard = &events;
        hook_ = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE, nullptr, &Listen,
                                GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
        ASSERT_NE(hook_, nullptr);
    }
    static LONG Role(IAccessible& object) { return NumberOf(object, &IAccessible::get_accRole); }
    static LONG State(IAccessible& object) { return NumberOf(object, &IAccessible::get_accState); }
    AccessiblePtr ParameterTable() { return ObjectOfWindow(Main().ParameterGrid().Handle()); }

    HeardEvents events;

  private:
    HWINEVENTHOOK hook_ = nullptr;
};

// The names of every row and cell: ReaderInAnotherProcessReadsTheTablesAndControls.
TEST_F(Accessibility, ParameterGridIsATableOfRowsOfCells) {
    TypeIntoCell(Main().ParameterGrid(), 1, 1, "100");
    const AccessiblePtr table = ParameterTable();
    ASSERT_TRUE(table);
    EXPECT_EQ(Role(*table), ROLE_SYSTEM_TABLE);
    const std::vector<AccessiblePtr> rows = ChildObjects(*table);
    ASSERT_EQ(rows.size(), 14u);
    EXPECT_EQ(Role(*rows[1]), ROLE_SYSTEM_ROW);
    EXPECT_EQ(AccessibleName(*rows[1]), "R1, кОм");
    const std::vector<AccessiblePtr> cells = ChildObjects(*rows[1]);
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(Role(*ChildObjects(*rows[0])[1]), ROLE_SYSTEM_COLUMNHEADER);
    EXPECT_EQ(Role(*cells[0]), ROLE_SYSTEM_ROWHEADER);
    EXPECT_EQ(Role(*cells[1]), ROLE_SYSTEM_CELL);
    EXPECT_EQ(TextOf(*cells[1], CHILDID_SELF, &IAccessible::get_accValue), "100");
}

TEST_F(Accessibility, EveryMoveAndEditIsAnnouncedAndTheFocusReadable) {
    SetFocus(Control(Id::SgIsh));
    StartListening();
    PressKey(VK_DOWN);
    // Events reach a reader after the fact, when the program next takes its messages.
    TypeCharacters(GetFocus(), "4"); // opens the editor, which takes the focus
    ProcessPendingMessages();
    TypeCharacters(GetFocus(), "7");
    ProcessPendingMessages();
    PressKey(VK_RETURN);
    ProcessPendingMessages();
    using Names = std::vector<std::string>;
    EXPECT_EQ(events[EVENT_OBJECT_VALUECHANGE], (Names{"R2, кОм: 4", "R2, кОм: 47"}));
    // The move; the editor that takes the focus, named by its cell; the table as the system
    // announces the grid taking the focus back, and the cell again.
    EXPECT_EQ(events[EVENT_OBJECT_FOCUS],
              (Names{"R2, кОм: пусто", "R2, кОм", "Исходные данные", "R2, кОм: 47"}));
    // The cell a reader finds focused; a reader moves the focus as a click does.
    const AccessiblePtr table = ParameterTable();
    ASSERT_TRUE(table);
    VARIANT focus;
    ASSERT_EQ(table->get_accFocus(&focus), S_OK);
    const AccessiblePtr cell = ObjectOf(focus);
    ASSERT_TRUE(cell);
    EXPECT_EQ(AccessibleName(*cell), "R2, кОм: 47");
    EXPECT_EQ(State(*cell) & (STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED),
              STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED);
    ChildObjects(*ChildObjects(*table)[5])[1]->accSelect(SELFLAG_TAKEFOCUS, ChildVariant());
    EXPECT_EQ(Main().ParameterGrid().Focus(), (GridCell{1, 5}));
    EXPECT_EQ(State(*cell) & STATE_SYSTEM_FOCUSED, 0);
}

// The controls say what the table of spoken texts gives them: the circuit a named picture, a
// button its text with what it does.
TEST_F(Accessibility, ControlsSayWhatTheSpokenTableSays) {
    const AccessiblePtr circuit = ObjectOfWindow(Control(Id::Image1));
    ASSERT_TRUE(circuit);
    EXPECT_EQ(AccessibleName(*circuit), "схема каскада");
    EXPECT_EQ(Role(*circuit), ROLE_SYSTEM_GRAPHIC);
    const AccessiblePtr help = ObjectOfWindow(Control(Id::Button2));
    ASSERT_TRUE(help);
    const SpokenControl spoken = MainSpokenControl(MainControlName::Button2, SweepKind::Linear);
    EXPECT_EQ(AccessibleName(*help), spoken.Name);
    EXPECT_EQ(AccessibleDescriptionOf(*help), spoken.Description);
    const AccessiblePtr table = ParameterTable();
    ASSERT_TRUE(table);
    EXPECT_EQ(AccessibleDescriptionOf(*table),
              MainSpokenControl(MainControlName::SgIsh, SweepKind::Linear).Description);
}

TEST_F(Accessibility, StepFieldIsNamedByTheKindOfSweep) {
    Main().Presenter().UseDecadeSweep();
    const AccessiblePtr step = ObjectOfWindow(Control(Id::EdDf));
    ASSERT_TRUE(step);
    EXPECT_EQ(AccessibleName(*step), "точек на декаду");
}

TEST_F(Accessibility, ObjectsOutlivingTheirGridSayItHasGone) {
    const AccessiblePtr table = ParameterTable();
    ASSERT_TRUE(table);
    AccessiblePtr row = std::move(ChildObjects(*table)[1]);
    windows.reset();
    BSTR name = nullptr;
    EXPECT_EQ(table->get_accName(ChildVariant(), &name), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(row->get_accName(ChildVariant(), &name), CO_E_OBJNOTCONNECTED);
}

// A reader in a process of its own (ScreenReader.cpp) reads the windows of this one, which
// answers its calls between messages, as the program's message loop does.
TEST_F(Accessibility, ReaderInAnotherProcessReadsTheTablesAndControls) {
    TypeIntoCell(Main().ParameterGrid(), 1, 1, "100");
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    const ScratchFile output("screen-reader.txt");
    std::wstring command = L"\"" + (folder / L"screen_reader.exe").wstring() + L"\" " +
                           std::to_wstring(GetCurrentProcessId()) + L" \"" + output.path.wstring() +
                           L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION reader = {};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &reader));
    const DWORD deadline = GetTickCount() + 60'000;
    while (MsgWaitForMultipleObjects(1, &reader.hProcess, FALSE, 100, QS_ALLINPUT) !=
               WAIT_OBJECT_0 &&
           GetTickCount() < deadline)
        ProcessPendingMessages();
    DWORD exitCode = 1;
    GetExitCodeProcess(reader.hProcess, &exitCode);
    CloseHandle(reader.hProcess);
    CloseHandle(reader.hThread);
    EXPECT_EQ(exitCode, 0u);

    std::istringstream lines(output.Content());
    std::vector<std::string> read;
    for (std::string line; std::getline(lines, line);)
        read.push_back(line);
    ASSERT_EQ(read.size(), 2u + 14u + 3u + 6u);
    EXPECT_EQ(read[0], "table: Исходные данные");
    EXPECT_EQ(read[2], "R1, кОм | R1, кОм: 100");
    EXPECT_EQ(read[15], "table: Результаты расчета");
    EXPECT_EQ(read[16], "частота, Гц | |k|, раз | |k|, дБ");
    EXPECT_EQ(read[17], "частота, Гц: пусто | |k|, раз: пусто | |k|, дБ: пусто");
    EXPECT_EQ(std::vector<std::string>(read.begin() + 19, read.end()),
              (std::vector<std::string>{"control: от, Гц", "control: до, Гц",
                                        "control: с шагом, Гц", "control: расчет",
                                        "control: справка", "control: логарифмическая шкала"}));
}

} // namespace
