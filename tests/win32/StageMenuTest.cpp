#include "WindowTestHelpers.h"
#include "app/texts/Texts.h"
#include "ui/win32/FileDialog.h"

#include <commdlg.h>

// The File menu, its keys and the window's close reach the presenter; what it decides is tested
// against the fake window.

namespace {

using Id = MainControlName;

bool QuitTaken() {
    MSG message;
    return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

class StageMenu : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        // Every value present: a file that lacks one is opened with a message.
        std::ofstream(file.path, std::ios::binary)
            << "format = ou-stage 1\nR1 = 100\nR2 = 1000\nR3 = 1\nR4 = 99\nR5 = 1000\nC1 = 10\n"
               "C2 = 10\nC3 = 100\nC4 = 1\nC5 = 1\nk0 = 1E5\nRin = 10\nf1 = 1\nfrom = 10\n"
               "to = 100\nstep = 10\n";
        Main().SetFileChooser(file);
    }
    HWND MainHandle() { return Main().Handle(); }
    std::string R1() { return Main().CellText(1, 1); }
    bool StageHolds(const std::string& line) {
        return file.Content().find(line) != std::string::npos;
    }

    ScratchFile file{"каскад 1.ou"};
};

TEST_F(StageMenu, OpensByTheMenuItemAndAtStart) {
    for (const bool byMenu : {true, false}) {
        Main().SetCellText(1, 1, "");
        if (byMenu)
            SendMessageW(MainHandle(), WM_COMMAND, MenuItem(MainHandle(), kOpenCommand), 0);
        else
            Main().Presenter().OpenAtStart(file.path);
        EXPECT_EQ(R1(), "100");
        EXPECT_EQ(Text(MainHandle()), "каскад 1.ou — ОУ");
    }
}

TEST_F(StageMenu, TypingMarksTheCaptionAndCtrlSSaves) {
    Main().Presenter().OpenAtStart(file.path);
    TypeIntoCell(Main().ParameterGrid(), 1, 1, "5", false);
    EXPECT_EQ(Text(MainHandle()), "*каскад 1.ou — ОУ");
    ControlKeyThroughLoop(Main().ParameterGrid().Editor(), 'S');
    EXPECT_TRUE(StageHolds("R1 = 5\n"));
    EXPECT_EQ(Text(MainHandle()), "каскад 1.ou — ОУ");
}

struct CloseCase {
    const char* name;
    Answer answer;
    bool closes;
    const char* savedR1;
};

class CloseAsksFirst : public StageMenu, public testing::WithParamInterface<CloseCase> {};

TEST_P(CloseAsksFirst, AndFollowsTheAnswer) {
    Main().Presenter().OpenAtStart(file.path);
    TypeIntoCell(Main().ParameterGrid(), 1, 1, "5");
    boxes.answer = GetParam().answer;
    SendMessageW(MainHandle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(boxes.questions, std::vector<std::string>{"Сохранить изменения в «каскад 1.ou»?"});
    EXPECT_EQ(QuitTaken(), GetParam().closes);
    EXPECT_EQ(IsWindowVisible(MainHandle()) != FALSE, !GetParam().closes);
    EXPECT_TRUE(StageHolds(std::string("R1 = ") + GetParam().savedR1 + "\n"));
    EXPECT_EQ(R1(), "5");
}

INSTANTIATE_TEST_SUITE_P(StageMenu, CloseAsksFirst,
                         testing::Values(CloseCase{"Yes", Answer::Yes, true, "5"},
                                         CloseCase{"No", Answer::No, true, "100"},
                                         CloseCase{"Cancel", Answer::Cancel, false, "100"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

namespace {

std::wstring folderShown; // where the open dialog stood when the timer found it

void CALLBACK ReadFolderAndCancel(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND dialog = FindWindowW(L"#32770", L"ou folder test");
    if (dialog == nullptr)
        return; // not up yet
    KillTimer(nullptr, timer);
    wchar_t folder[MAX_PATH] = {};
    SendMessageW(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
    folderShown = folder;
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

// Before a file has been chosen in one, the file dialogs start in the user's Documents, not in
// the folder the program was started in (its installation folder, from a shortcut).
TEST(FileDialogs, StartInTheDocumentsFolder) {
    const std::filesystem::path documents = DocumentsFolder();
    ASSERT_FALSE(documents.empty());
    ASSERT_NE(std::filesystem::current_path(), documents);
    SetTimer(nullptr, 0, 50, ReadFolderAndCancel);
    FileRequest request;
    request.Caption = "ou folder test";
    request.Extension = "ou";
    EXPECT_TRUE(FileDialog().OpenFileName(request).empty());
    EXPECT_EQ(std::filesystem::path(folderShown), documents);
}

} // namespace
