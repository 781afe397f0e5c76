#include "tests/win32/harness.h"
#include "tests/sjis_words.h"
#include "tests/log_samples.h"

#include "app/commands.h"
#include "platform/program.h"
#include "platform/program_files.h"
#include "res/resource.h"
#include "settings/defaults.h"
#include "settings/settings.h"
#include "store/note_table.h"
#include "textio/history_loader.h"
#include "textio/history_log.h"

#include <commctrl.h>
#include <cstring>
#include <cwchar>
#include <memory>

class HistoryLogTest : public ProgramTest {};

static const char kHistoryCaption[] = SJ_TAVLO " " SJ_HISTORY;
static bool Enabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

static HWND NoteWith(const char *text) {
    return OpenNote(MakeRecord(40, 40, 120, 60, text));
}

// Opens the History command on the window and runs the script on the dialogs it shows.
static void RunHistory(HWND window, std::vector<DialogStep> steps) {
    ExpectDialogs(std::move(steps));
    DispatchCommand(window, IDM_HISTORY);
    EXPECT_TRUE(DialogScriptDone());
}

static DialogStep InHistory(std::function<void(HWND)> act) {
    return {kHistoryCaption, std::move(act)};
}

TEST_F(HistoryLogTest, PeelingOffAppendsOneEntry) {
    logEnabled = 1;
    const std::string text = "first line\r\nsecond\r\n\x95\x5c third";
    DispatchCommand(NoteWith(text.c_str()), IDM_PEEL_OFF);
    EXPECT_EQ(noteCount, 0);
    SYSTEMTIME now;
    GetLocalTime(&now);
    const std::string log = ReadFileBytes(logPath);
    ASSERT_EQ(log.size(), 33 + text.size() + 1);
    EXPECT_EQ(log.substr(0, 7), "\f----- ");
    EXPECT_EQ(log.substr(7, 5), std::to_string(now.wYear) + "/") << "the full year";
    EXPECT_EQ(log.substr(26, 7), " -----\n");
    EXPECT_EQ(log.substr(33), text + "\n");

    DispatchCommand(NoteWith("next"), IDM_PEEL_OFF);
    const std::string two = ReadFileBytes(logPath);
    EXPECT_EQ(two.substr(0, log.size()), log) << "entries are appended";
    EXPECT_EQ(two.substr(log.size() + 33), "next\n");
}

TEST_F(HistoryLogTest, EmptyNoteAppendsNothingButCreatesTheLog) {
    logEnabled = 1;
    DispatchCommand(NoteWith(""), IDM_PEEL_OFF);
    EXPECT_TRUE(FileIsThere(logPath));
    EXPECT_EQ(ReadFileBytes(logPath), "");
    logEnabled = 0;
    DispatchCommand(NoteWith("not logged"), IDM_PEEL_OFF);
    EXPECT_EQ(ReadFileBytes(logPath), "") << "without logEnabled the log is left alone";
}

TEST_F(HistoryLogTest, TwoEntries) {
    WriteFileBytes(logPath, Entry("older") + Entry("newer"));
    const HWND note = NoteWith("note");
    RunHistory(note, {InHistory([](HWND dialog) {
                   EXPECT_TRUE(IsChecked(dialog, IDC_RESTORE_TO_NEW));
                   EXPECT_EQ(ControlText(dialog, IDC_HISTORY_ENTRY1), "newer");
                   EXPECT_EQ(ControlText(dialog, IDC_HISTORY_ENTRY2), "older");
                   EXPECT_EQ(ControlText(dialog, IDC_HISTORY_ENTRY3), "");
                   EXPECT_TRUE(Enabled(dialog, IDC_HISTORY_ENTRY2));
                   EXPECT_FALSE(Enabled(dialog, IDC_HISTORY_ENTRY3));
                   EXPECT_FALSE(Enabled(dialog, IDC_HISTORY_LABEL3));
                   EXPECT_FALSE(Enabled(dialog, IDC_HISTORY_UPDOWN));
                   EXPECT_EQ(ControlText(dialog, IDC_HISTORY_POSITION), "1/2");
                   PressButton(dialog, IDCANCEL);
               })});
    EXPECT_EQ(noteCount, 1);
    EXPECT_STREQ(NoteTable[0].text, "note");
}

// Moves the up-down control to the position and tells the dialog, as a click on it would.
static void ScrollTo(HWND dialog, int pos) {
    HWND upDown = GetDlgItem(dialog, IDC_HISTORY_UPDOWN);
    SendMessageA(upDown, UDM_SETPOS, 0, MAKELPARAM(pos, 0));
    SendMessageA(dialog, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, pos), reinterpret_cast<LPARAM>(upDown));
}

TEST_F(HistoryLogTest, HundredFiftyEntriesShowTheNewestHundred) {
    WriteFileBytes(logPath, NumberedLog(150));
    RunHistory(NoteWith("note"), {InHistory([](HWND dialog) {
                   EXPECT_EQ(ControlText(dialog, IDC_HISTORY_POSITION), "1/100");
                   EXPECT_EQ(ControlText(dialog, IDC_HISTORY_ENTRY1), "entry 150");
                   EXPECT_EQ(ControlText(dialog, IDC_HISTORY_ENTRY3), "entry 148");
                   EXPECT_TRUE(Enabled(dialog, IDC_HISTORY_UPDOWN));
                   ScrollTo(dialog, 0); // the bottom of the range
                   EXPECT_EQ(ControlText(dialog, IDC_HISTORY_POSITION), "98/100");
                   EXPECT_EQ(ControlText(dialog, IDC_HISTORY_LABEL1), "\x97\x9a\x97\xf0"
                                                                      "98"); // 履歴98
                   EXPECT_EQ(ControlText(dialog, IDC_HISTORY_LABEL2), "\x97\x9a\x97\xf0"
                                                                      "99"); // 履歴99
                   EXPECT_EQ(ControlText(dialog, IDC_HISTORY_LABEL3), "\x97\x9a\x97\xf0"
                                                                      "100"); // 履歴100
                   EXPECT_EQ(ControlText(dialog, IDC_HISTORY_ENTRY1), "entry 53");
                   EXPECT_EQ(ControlText(dialog, IDC_HISTORY_ENTRY3), "entry 51");
                   ScrollTo(dialog, 96); // one step down from the top
                   EXPECT_EQ(ControlText(dialog, IDC_HISTORY_POSITION), "2/100");
                   EXPECT_EQ(ControlText(dialog, IDC_HISTORY_ENTRY1), "entry 149");
                   ScrollTo(dialog, 0);
                   PressButton(dialog, IDC_HISTORY_ENTRY3);
               })});
    ASSERT_EQ(noteCount, 2);
    EXPECT_STREQ(NoteTable[1].text, "entry 51");
}

TEST_F(HistoryLogTest, RestoreIntoTheNoteCanBeUndone) {
    WriteFileBytes(logPath, Entry("older") + Entry("newer"));
    const HWND note = NoteWith("current text");
    RunHistory(note, {InHistory([](HWND dialog) {
                   SetCheck(dialog, IDC_RESTORE_TO_NEW, false);
                   PressButton(dialog, IDC_HISTORY_ENTRY2);
               })});
    ASSERT_EQ(noteCount, 1);
    EXPECT_STREQ(NoteTable[0].text, "older");
    DispatchCommand(note, IDM_UNDO);
    EXPECT_STREQ(NoteTable[0].text, "current text");
}

static LRESULT CALLBACK RefuseDialogs(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        wchar_t name[16] = L"";
        GetClassNameW(reinterpret_cast<HWND>(wParam), name, 16);
        if (std::wcscmp(name, L"#32770") == 0) return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A dialog the platform cannot make chooses nothing, as Cancel does.
TEST_F(HistoryLogTest, AHistoryDialogThatCannotOpenLeavesTheNote) {
    WriteFileBytes(logPath, Entry("older"));
    const HWND note = NoteWith("current text");
    HHOOK hook = SetWindowsHookExA(WH_CBT, RefuseDialogs, nullptr, GetCurrentThreadId());
    DispatchCommand(note, IDM_HISTORY);
    UnhookWindowsHookEx(hook);
    ASSERT_EQ(noteCount, 1);
    EXPECT_STREQ(NoteTable[0].text, "current text");
}

TEST_F(HistoryLogTest, RestoreIntoANewNote) {
    WriteFileBytes(logPath, Entry("older") + Entry("newer"));
    const HWND note = NoteWith("stays");
    RunHistory(note, {InHistory([](HWND dialog) { PressButton(dialog, IDC_HISTORY_ENTRY1); })});
    ASSERT_EQ(noteCount, 2);
    EXPECT_STREQ(NoteTable[0].text, "stays");
    EXPECT_STREQ(NoteTable[1].text, "newer");
}

TEST_F(HistoryLogTest, FromTheTrayTheDialogIsCentredAndRestoresIntoANewNote) {
    WriteFileBytes(logPath, Entry("from the log"));
    RECT r = {};
    RunHistory(mainWindow, {InHistory([&r](HWND dialog) {
                   GetWindowRect(dialog, &r);
                   SetCheck(dialog, IDC_RESTORE_TO_NEW, false);
                   PressButton(dialog, IDC_HISTORY_ENTRY1);
               })});
    EXPECT_EQ(r.left, -(r.right - r.left) / 2 + screenWidth / 2);
    EXPECT_EQ(r.top, -(r.bottom - r.top) / 2 + screenHeight / 2);
    ASSERT_EQ(noteCount, 1);
    EXPECT_STREQ(NoteTable[0].text, "from the log");
}

TEST_F(HistoryLogTest, ThreeLinesComeBackByteForByte) {
    logEnabled = 1;
    const char text[] = "one\r\n\x82\xa0\x95\x5c two\r\nthree";
    DispatchCommand(NoteWith(text), IDM_PEEL_OFF);
    RunHistory(NoteWith("other"), {InHistory([](HWND dialog) { PressButton(dialog, IDC_HISTORY_ENTRY1); })});
    ASSERT_EQ(noteCount, 2);
    EXPECT_EQ(std::string(NoteTable[1].text), text);
}

TEST_F(HistoryLogTest, ClearingRemovesTheLogAndGraysTheMenuEntry) {
    WriteFileBytes(logPath, Entry("a") + Entry("b"));
    const HWND note = NoteWith("note");
    UpdateMenuState(note, 1);
    EXPECT_FALSE(GetMenuState(noteMenu, IDM_HISTORY, MF_BYCOMMAND) & MF_GRAYED);
    RunHistory(note, {InHistory([](HWND dialog) { PressButton(dialog, IDC_HISTORY_CLEAR); })});
    EXPECT_FALSE(FileIsThere(logPath));
    EXPECT_STREQ(NoteTable[0].text, "note");
    EXPECT_EQ(noteCount, 1);
    UpdateMenuState(note, 1);
    EXPECT_TRUE(GetMenuState(noteMenu, IDM_HISTORY, MF_BYCOMMAND) & MF_GRAYED);
}

// After a failed opening nothing can be chosen: no stale entry of an earlier opening is left.
static DialogStep NothingLoaded() {
    return InHistory([](HWND dialog) {
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(ControlText(dialog, IDC_HISTORY_ENTRY1 + i), "");
            EXPECT_FALSE(Enabled(dialog, IDC_HISTORY_ENTRY1 + i));
            EXPECT_EQ(ControlText(dialog, IDC_HISTORY_LABEL1 + i),
                      "\x97\x9a\x97\xf0" + std::to_string(i + 1)); // 履歴
        }
        EXPECT_FALSE(Enabled(dialog, IDC_HISTORY_UPDOWN));
        EXPECT_EQ(ControlText(dialog, IDC_HISTORY_POSITION), "");
        PressButton(dialog, IDC_HISTORY_ENTRY1); // a disabled button is not clicked by a user;
        PressButton(dialog, IDCANCEL);           // sent anyway, it must hand back nothing stale
    });
}

static DialogStep ErrorMessage(const std::string &expected) {
    return {ERROR_CAPTION, [expected](HWND box) {
                EXPECT_EQ(MessageBoxText(box), expected);
                PressButton(box, IDOK);
            }};
}

TEST_F(HistoryLogTest, EmptyLogGivesTheMappingMessage) {
    WriteFileBytes(logPath, Entry("seen before"));
    const HWND note = NoteWith("note");
    RunHistory(note, {InHistory([](HWND dialog) { PressButton(dialog, IDCANCEL); })});
    WriteFileBytes(logPath, "");
    RunHistory(note,
               {ErrorMessage(SJ_LOG_UNOPENED " \n CreateFileMapping - 000003EEh(1006) "), NothingLoaded()});
    EXPECT_STREQ(NoteTable[0].text, "note");
    EXPECT_EQ(noteCount, 1);
}

// With logging on, a note whose entry cannot be written stays: held by another program, the log
// takes nothing, the note and the notes file are as they were, and the user is told.
TEST_F(HistoryLogTest, PeelingOffIntoALockedLogKeepsTheNote) {
    logEnabled = 1;
    WriteFileBytes(logPath, Entry("older"));
    const HWND note = NoteWith("precious");
    HANDLE lock = CreateFileW(logPath, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    std::string message;
    ExpectDialogs({{ERROR_CAPTION, [&](HWND box) {
                        message = MessageBoxText(box);
                        PressButton(box, IDOK);
                    }}});
    DispatchCommand(note, IDM_PEEL_OFF);
    EXPECT_TRUE(DialogScriptDone());
    CloseHandle(lock);
    EXPECT_NE(message.find("tavlo.LOG"), std::string::npos) << message;
    ASSERT_EQ(noteCount, 1);
    EXPECT_STREQ(NoteTable[0].text, "precious");
    EXPECT_FALSE(FileIsThere(notesPath)) << "nothing is saved";
    EXPECT_EQ(ReadFileBytes(logPath), Entry("older"));

    DispatchCommand(note, IDM_PEEL_OFF); // the log is free again
    EXPECT_EQ(noteCount, 0);
    EXPECT_EQ(ReadFileBytes(logPath).substr(Entry("older").size() + 33), "precious\n");
}

TEST_F(HistoryLogTest, LockedLogGivesTheOpenMessage) {
    WriteFileBytes(logPath, Entry("locked"));
    HANDLE lock = CreateFileW(logPath, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    RunHistory(NoteWith("note"),
               {ErrorMessage(SJ_LOG_UNOPENED "\n CreateFile - 00000020h(32) "), NothingLoaded()});
    CloseHandle(lock);
}

TEST_F(HistoryLogTest, AnEmptyEntryIsDisabledButOlderOnesStayReachable) {
    WriteFileBytes(logPath, NumberedLog(5) + kHeader + "\n");
    RunHistory(NoteWith("note"), {InHistory([](HWND dialog) {
                   EXPECT_EQ(ControlText(dialog, IDC_HISTORY_POSITION), "1/6");
                   EXPECT_FALSE(Enabled(dialog, IDC_HISTORY_ENTRY1));
                   EXPECT_EQ(ControlText(dialog, IDC_HISTORY_ENTRY2), "entry 5");
                   EXPECT_TRUE(Enabled(dialog, IDC_HISTORY_UPDOWN));
                   ScrollTo(dialog, 0);
                   EXPECT_TRUE(Enabled(dialog, IDC_HISTORY_ENTRY1));
                   EXPECT_EQ(ControlText(dialog, IDC_HISTORY_ENTRY3), "entry 1");
                   PressButton(dialog, IDC_HISTORY_ENTRY3);
               })});
    ASSERT_EQ(noteCount, 2);
    EXPECT_STREQ(NoteTable[1].text, "entry 1");
}

TEST_F(HistoryLogTest, LargeLogIsReadThroughSeveralViews) {
    // 150 entries of 30,000 bytes: the newest 100 span about 3 MB, several views of the tail.
    std::string log = std::string(70000, 'o');
    for (int i = 1; i <= 150; ++i)
        log += Entry(std::to_string(i) + std::string(30000, 'x'));
    WriteFileBytes(logPath, log);
    const auto entries = std::make_unique<HistoryEntries>();
    const LogLoadResult result = LoadHistoryLog(logPath, *entries);
    EXPECT_EQ(result.failedStep, LogLoadStep::Done);
    ASSERT_EQ(entries->count, 100);
    EXPECT_EQ(std::string(entries->slots[0]), "150" + std::string(1036, 'x')) << "cut at the slot";
    EXPECT_EQ(std::string(entries->slots[99]), "51" + std::string(1037, 'x'));
}
