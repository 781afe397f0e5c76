#include "tests/win32/harness.h"
#include "tests/sjis_words.h"
#include "tests/win32/window_watch.h"

#include "app/commands.h"
#include "platform/program.h"
#include "platform/program_files.h"
#include "res/resource.h"
#include "store/note_table.h"

#include <string>
#include <vector>

// " "タヴロ" を終了しますか？ "
static const char kExitQuestion[] =
    " \"" SJ_TAVLO "\" \x82\xf0\x8f\x49\x97\xb9\x82\xb5\x82\xdc\x82\xb7\x82\xa9\x81\x48 ";

// The texts of the records in a notes file, in file order.
static std::vector<std::string> TextsIn(const std::string &bytes) {
    std::vector<std::string> texts;
    for (size_t at = 0; at + sizeof(NoteRecord) <= bytes.size(); at += sizeof(NoteRecord))
        texts.emplace_back(bytes.c_str() + at + offsetof(NoteRecord, text));
    return texts;
}

// Exit destroys the main window, which every test shares; here a spare one stands in for it.
class ExitCommandTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        realMain = mainWindow;
        mainWindow = CreateWindowExW(0, kWindowClassName, L"spare", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                     programInstance, nullptr);
        spare = mainWindow;
    }
    void TearDown() override {
        if (IsWindow(spare)) DestroyWindow(spare);
        mainWindow = realMain;
        MSG quit;
        while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
            quitPosted = true;
        ProgramTest::TearDown();
    }
    bool QuitPosted() {
        MSG quit;
        while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
            quitPosted = true;
        return quitPosted;
    }
    HWND realMain = nullptr, spare = nullptr;
    bool quitPosted = false;
};

TEST_F(ExitCommandTest, WithShiftItSavesAndClosesEverythingWithoutAsking) {
    std::vector<HWND> notes;
    for (const char *text : {"one", "two", "three"})
        notes.push_back(OpenNote(MakeRecord(10, 10, 100, 50, text)));
    WindowWatch watch;
    {
        ShiftScope shift;
        SendMessageA(notes[1], WM_COMMAND, IDM_EXIT, 0);
    }
    EXPECT_EQ(watch.Dialogs(), 0) << "no question with Shift";
    EXPECT_EQ(TextsIn(ReadFileBytes(notesPath)), (std::vector<std::string>{"one", "two", "three"}));
    EXPECT_EQ(noteCount, 0);
    for (HWND note : notes)
        EXPECT_FALSE(IsWindow(note));
    EXPECT_FALSE(IsWindow(spare)) << "the main window is destroyed last";
    EXPECT_TRUE(QuitPosted()) << "which ends the message loop";
}

// Exit while the memo of another note is up: the memo ends with its note, and the command that
// opened it writes nothing over the notes Exit saved.
TEST_F(ExitCommandTest, ExitWhileAnotherNotesMemoIsUpKeepsTheSavedNotes) {
    const HWND first = OpenNote(MakeRecord(10, 10, 100, 50, "aaa"));
    const HWND second = OpenNote(MakeRecord(10, 70, 100, 50, "bbb"));
    ExpectDialogs({{SJ_MEMO_INPUT, [second](HWND) {
                        ShiftScope shift;
                        SendMessageA(second, WM_COMMAND, IDM_EXIT, 0);
                    }}});
    DispatchCommand(first, IDM_MEMO_INPUT);
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_EQ(noteCount, 0);
    EXPECT_EQ(TextsIn(ReadFileBytes(notesPath)), (std::vector<std::string>{"aaa", "bbb"}));
}

TEST_F(ExitCommandTest, AnsweredNoEverythingRunsOnUnsaved) {
    const HWND note = OpenNote(MakeRecord(10, 10, 100, 50, "stay"));
    std::string question;
    ExpectDialogs({{SJ_EXIT_CONFIRM, [&](HWND box) {
                        question = MessageBoxText(box);
                        PressButton(box, IDNO);
                    }}});
    SendMessageA(note, WM_COMMAND, IDM_EXIT, 0);
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_EQ(question, kExitQuestion);
    EXPECT_FALSE(FileIsThere(notesPath));
    EXPECT_EQ(noteCount, 1);
    EXPECT_TRUE(IsWindow(note));
    EXPECT_TRUE(IsWindow(spare));
    EXPECT_FALSE(QuitPosted());
}

// ---- The real program ----

class ExitProgramTest : public ProgramTest {
protected:
    static bool StartWithTwoNotes(ProgramRun &run) {
        WriteFileBytes(run.DataFile(".DAT"),
                       RecordImage(30, 40, 200, 60, "one") + RecordImage(300, 400, 150, 90, "two"));
        return run.Start() && run.WaitUntilRunning() && run.WaitForNotes(2);
    }
};

TEST_F(ExitProgramTest, ExitAnsweredYesSavesAndEndsWithStatusZero) {
    ProgramRun run;
    ASSERT_TRUE(StartWithTwoNotes(run));
    DeleteFileW(run.DataFile(".DAT").c_str());
    PostMessageA(run.NoteWindows()[0], WM_COMMAND, IDM_EXIT, 0);
    const HWND box = run.WaitForDialog(SJ_EXIT_CONFIRM);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), kExitQuestion);
    PressButton(box, IDYES);
    EXPECT_EQ(run.WaitForExit(), 0);
    EXPECT_EQ(TextsIn(ReadFileBytes(run.DataFile(".DAT"))), (std::vector<std::string>{"one", "two"}));
}

TEST_F(ExitProgramTest, ExitAnsweredNoLeavesTheProgramRunningAndSavesNothing) {
    ProgramRun run;
    WriteFileBytes(run.DataFile(".DAT"), RecordImage(30, 40, 200, 60, "one"));
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(run.WaitUntilRunning());
    ASSERT_TRUE(run.WaitForNotes(1));
    DeleteFileW(run.DataFile(".DAT").c_str());
    const HWND note = run.NoteWindows()[0];
    PostMessageA(note, WM_COMMAND, IDM_EXIT, 0);
    const HWND box = run.WaitForDialog(SJ_EXIT_CONFIRM);
    ASSERT_NE(box, nullptr);
    PressButton(box, IDNO);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); }));
    SendMessageA(note, WM_NULL, 0, 0); // returns once the command has been handled
    EXPECT_TRUE(run.Running());
    EXPECT_EQ(run.NoteWindows().size(), 1u);
    EXPECT_FALSE(FileIsThere(run.DataFile(".DAT")));
}

static void Key(WORD key, bool down) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof input);
}

static bool NoteAt(const ProgramRun &run, int x, int y) {
    for (HWND note : run.NoteWindows()) {
        RECT r;
        GetWindowRect(note, &r);
        if (r.left == x && r.top == y) return true;
    }
    return false;
}

TEST_F(ExitProgramTest, CtrlNActsOnTheForegroundNote) {
    ProgramRun run;
    ASSERT_TRUE(StartWithTwoNotes(run));
    HWND two = nullptr;
    for (HWND note : run.NoteWindows()) {
        RECT r;
        GetWindowRect(note, &r);
        if (r.left == 300) two = note;
    }
    ASSERT_NE(two, nullptr);
    ASSERT_TRUE(WaitFor([&] {
        SetForegroundWindow(two);
        return GetForegroundWindow() == two;
    }));
    DeleteFileW(run.DataFile(".DAT").c_str());
    Key(VK_CONTROL, true);
    Key('N', true);
    Key('N', false);
    Key(VK_CONTROL, false);
    // The new note is shown, hidden and shown again while its display mode is applied.
    EXPECT_TRUE(WaitFor([&] { return NoteAt(run, 300, 493); })) << "made below the foreground note";
    EXPECT_TRUE(WaitFor([&] { return TextsIn(ReadFileBytes(run.DataFile(".DAT"))).size() == 3; }));
}
