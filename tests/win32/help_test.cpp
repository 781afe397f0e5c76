#include "tests/win32/harness.h"
#include "tests/sjis_words.h"

#include "app/commands.h"
#include "platform/program.h"
#include "res/resource.h"

// The Help command opens the HTML Help file that lies beside the program, or says which file it
// looked for. (Wine has a WinHelp viewer, so a WinHelp file put there would be opened first.)
class HelpTest : public ProgramTest {};

// The help file the build makes beside the test program.
static std::wstring BuiltHelpFile() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring self(path);
    return self.substr(0, self.find_last_of(L'\\') + 1) + L"tavlo.chm";
}

// A file the viewer cannot read is said as a missing one is; the help built from help/ opens.
TEST_F(HelpTest, HelpOpensTheHtmlHelpFileBesideTheProgramOnItsContents) {
    ProgramRun run;
    const std::wstring help = run.Folder() + L"tavlo.chm";
    WriteFileBytes(help, "not a help file");
    WriteFileBytes(run.DataFile(".DAT"), RecordImage(30, 40, 200, 60, "note"));
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(run.WaitUntilRunning());
    ASSERT_TRUE(run.WaitForNotes(1));
    const HWND note = run.NoteWindows().front();
    PostMessageW(note, WM_COMMAND, IDM_HELP_TOPICS, 0);
    const HWND box = run.WaitForDialog(ERROR_CAPTION);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), " " + Narrow(help) + "\n " SJ_HELP_UNREADABLE " ");
    PostMessageA(box, WM_COMMAND, IDOK, 0);

    ASSERT_TRUE(CopyFileW(BuiltHelpFile().c_str(), help.c_str(), FALSE))
        << "the build makes tavlo.chm beside the tests";
    PostMessageW(note, WM_COMMAND, IDM_HELP_TOPICS, 0);
    EXPECT_NE(run.WaitForHelpViewer(), nullptr) << "no HTML Help window listing the contents";
    EXPECT_EQ(run.WaitForDialog(ERROR_CAPTION, 500), nullptr);

    // The program still ends as it should with its help open.
    PostMessageW(note, WM_COMMAND, IDM_EXIT, 0);
    const HWND question = run.WaitForDialog(SJ_EXIT_CONFIRM);
    ASSERT_NE(question, nullptr);
    PostMessageW(question, WM_COMMAND, IDYES, 0);
    EXPECT_EQ(run.WaitForExit(), 0);
}

TEST_F(HelpTest, WithoutAHelpFileTheMessageNamesTheFileLookedFor) {
    std::string message;
    ExpectDialogs({{ERROR_CAPTION, [&](HWND box) {
                        message = MessageBoxText(box);
                        PressButton(box, IDOK);
                    }}});
    DispatchCommand(mainWindow, IDM_HELP_TOPICS);
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_EQ(message, " " + folder + "tavlo.chm\n " SJ_HELP_NOT_FOUND " ");
}
