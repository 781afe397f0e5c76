#include "tests/win32/harness.h"
#include "tests/sjis_words.h"

#include "app/commands.h"
#include "platform/program.h"
#include "res/resource.h"

#include <commctrl.h>

// The Help command opens the HTML Help file that lies beside the program, or says which file it
// looked for. (Wine has a WinHelp viewer, so the WinHelp file would be opened first had one been
// put there.)
class HelpTest : public ProgramTest {};

// The help file the build makes beside the test program.
static std::wstring BuiltHelpFile() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring self(path);
    return self.substr(0, self.find_last_of(L'\\') + 1) + L"tavlo.chm";
}

static bool HasClass(HWND window, const wchar_t *name) {
    wchar_t found[64] = L"";
    GetClassNameW(window, found, 64);
    return lstrcmpW(found, name) == 0;
}

static BOOL CALLBACK FindContentsTree(HWND child, LPARAM found) {
    if (!HasClass(child, WC_TREEVIEWW)) return TRUE;
    *reinterpret_cast<HWND *>(found) = child;
    return FALSE;
}

// The entries of the viewer's contents tree (collapsed books' pages included); 0 when it has none.
static LRESULT ContentsEntries(HWND viewer) {
    HWND tree = nullptr;
    EnumChildWindows(viewer, FindContentsTree, reinterpret_cast<LPARAM>(&tree));
    return tree ? SendMessageW(tree, TVM_GETCOUNT, 0, 0) : 0;
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
    // The platform's HTML Help window, whose class has that name on Windows and under Wine alike.
    const HWND viewer =
        run.WaitForWindow([](HWND w) { return HasClass(w, L"HH Parent") && IsWindowVisible(w); });
    ASSERT_NE(viewer, nullptr) << "no HTML Help window";
    EXPECT_TRUE(WaitFor([&] { return ContentsEntries(viewer) > 1; })) << "the contents are not listed";
    EXPECT_EQ(run.WaitForDialog(ERROR_CAPTION, 500), nullptr);
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
