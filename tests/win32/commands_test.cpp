#include "tests/win32/harness.h"
#include "tests/sjis_words.h"
#include "tests/win32/window_watch.h"

#include "app/commands.h"
#include "platform/program.h"
#include "platform/program_files.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "store/note_table.h"

#include <cstring>
#include <string>
#include <vector>

class CommandsTest : public ProgramTest {};

static void Command(HWND window, UINT id) {
    SendMessageA(window, WM_COMMAND, id, 0);
}

// Runs the command with the notes file deleted first: true when a save brought it back.
static bool Saved(HWND window, UINT id) {
    DeleteFileW(notesPath);
    Command(window, id);
    return FileIsThere(notesPath);
}

// The texts of the records in the notes file, in file order.
static std::vector<std::string> SavedTexts() {
    const std::string bytes = ReadFileBytes(notesPath);
    std::vector<std::string> texts;
    for (size_t at = 0; at + sizeof(NoteRecord) <= bytes.size(); at += sizeof(NoteRecord))
        texts.emplace_back(bytes.c_str() + at + offsetof(NoteRecord, text));
    return texts;
}

static bool TextFieldIsZero(const NoteRecord &r) {
    for (char c : r.text)
        if (c != 0) return false;
    return true;
}

static bool SameRecord(const NoteRecord &a, const NoteRecord &b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

static bool UndoGrayed(HWND note) {
    UpdateMenuState(note, 1);
    return (GetMenuState(noteMenu, IDM_UNDO, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

// Dialogs of other parts of the program are driven only where their templates are linked in.
static bool HasDialog(int id) {
    return FindResourceW(programInstance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5)) != nullptr;
}

TEST_F(CommandsTest, IdsWithoutACommandOnlyRecordTheWindow) {
    const HWND note = OpenNote(MakeRecord(10, 10, 120, 60, "keep"));
    const NoteRecord before = NoteTable[0];
    WindowWatch watch;
    for (UINT id : {0u, 99u, 106u, 107u, 108u, 109u, 113u, 115u, 120u, 125u, 129u, 134u, 139u, 145u, 6000u}) {
        lastCommandWindow = mainWindow;
        EXPECT_FALSE(Saved(note, id)) << "id " << id;
        EXPECT_EQ(lastCommandWindow, note) << "id " << id;
    }
    EXPECT_TRUE(SameRecord(NoteTable[0], before));
    EXPECT_EQ(noteCount, 1);
    EXPECT_EQ(watch.Dialogs(), 0);
}

TEST_F(CommandsTest, OnlyTheLowSixteenBitsNameTheCommand) {
    const HWND note = OpenNote(MakeRecord(10, 10, 120, 60, "text"));
    SendMessageA(note, WM_COMMAND, MAKEWPARAM(IDM_CLEAR, 1), 0); // as an accelerator sends it
    EXPECT_STREQ(NoteTable[0].text, "");
}

TEST_F(CommandsTest, ClearThenUndoBringsTheTextBackAndGraysUndo) {
    const HWND note = OpenNote(MakeRecord(10, 10, 120, 60, "hello"));
    const NoteRecord before = NoteTable[0];
    EXPECT_TRUE(Saved(note, IDM_CLEAR));
    EXPECT_EQ(lastCommandWindow, note);
    EXPECT_TRUE(TextFieldIsZero(NoteTable[0]));
    EXPECT_TRUE(SameRecord(UndoTable[0], before)) << "the undo copy is the whole record";
    EXPECT_FALSE(UndoGrayed(note));

    EXPECT_TRUE(Saved(note, IDM_UNDO));
    EXPECT_STREQ(NoteTable[0].text, "hello");
    EXPECT_EQ(SavedTexts(), std::vector<std::string>{"hello"});
    EXPECT_TRUE(TextFieldIsZero(UndoTable[0]));
    EXPECT_TRUE(UndoGrayed(note));

    EXPECT_FALSE(Saved(note, IDM_UNDO)) << "nothing left to undo";
    EXPECT_STREQ(NoteTable[0].text, "hello");
}

TEST_F(CommandsTest, UndoRestoresOnlyTheText) {
    NoteRecord r = MakeRecord(10, 10, 120, 60, "now");
    r.backColor = 0x112233;
    const HWND note = OpenNote(r);
    UndoTable[0] = MakeRecord(500, 400, 50, 50, "earlier");
    UndoTable[0].backColor = 0x445566;
    Command(note, IDM_UNDO);
    EXPECT_STREQ(NoteTable[0].text, "earlier");
    EXPECT_EQ(NoteTable[0].backColor, 0x112233u);
    EXPECT_EQ(NoteTable[0].x, 10);
    EXPECT_EQ(UndoTable[0].backColor, 0x445566u) << "the copy keeps its other fields";
    EXPECT_EQ(UndoTable[0].x, 500);
}

TEST_F(CommandsTest, ClearOnAnEmptyNoteSavesButCannotBeUndone) {
    const HWND note = OpenNote(MakeRecord(10, 10, 120, 60, ""));
    std::strcpy(UndoTable[0].text, "older");
    EXPECT_TRUE(Saved(note, IDM_CLEAR)) << "an accelerator is not stopped by the grayed entry";
    EXPECT_TRUE(TextFieldIsZero(UndoTable[0]));
    EXPECT_FALSE(Saved(note, IDM_UNDO));
}

TEST_F(CommandsTest, CommandsThatNeedANoteDoNothingFromTheTray) {
    OpenNote(MakeRecord(10, 10, 120, 60, "text"));
    std::strcpy(UndoTable[0].text, "undo");
    const NoteRecord before = NoteTable[0];
    WindowWatch watch;
    ExpectDialogs({}, 3000); // closes anything that opens by mistake
    for (UINT id : {IDM_MEMO_INPUT, IDM_CLEAR, IDM_UNDO, IDM_PEEL_OFF, IDM_COPY, IDM_PASTE, IDM_MODE_NORMAL,
                    IDM_MODE_TOPMOST, IDM_MODE_WALLPAPER, IDM_TASKBAR, IDM_BACK_COLOR, IDM_FONT, IDM_WRAP}) {
        EXPECT_FALSE(Saved(mainWindow, id)) << "id " << id;
        EXPECT_EQ(lastCommandWindow, mainWindow) << "id " << id;
    }
    DialogScriptDone();
    EXPECT_EQ(watch.Dialogs(), 0);
    EXPECT_EQ(noteCount, 1);
    EXPECT_TRUE(SameRecord(NoteTable[0], before));
    EXPECT_STREQ(UndoTable[0].text, "undo");
}

TEST_F(CommandsTest, NewNoteFromANoteAndFromTheTraySaves) {
    const HWND note = OpenNote(MakeRecord(100, 100, 220, 66, "one"));
    EXPECT_TRUE(Saved(note, IDM_NEW_NOTE));
    ASSERT_EQ(noteCount, 2);
    EXPECT_EQ(NoteTable[1].x, 100);
    EXPECT_EQ(NoteTable[1].y, 169) << "below the note it was made from";
    EXPECT_TRUE(Saved(mainWindow, IDM_NEW_NOTE));
    ASSERT_EQ(noteCount, 3);
    EXPECT_EQ(NoteTable[2].y, 238) << "from the tray: below the last note";
    EXPECT_EQ(SavedTexts().size(), 3u);
}

TEST_F(CommandsTest, NewNoteWithAFullTableShowsOnlyTheLimitMessageAndSaves) {
    openInputAtOnce = 1;
    for (int i = 0; i < kMaxNotes; ++i)
        OpenNote(MakeRecord(i * 8, i * 6, 60, 30, i == 0 ? "first" : ""));
    ASSERT_EQ(noteCount, kMaxNotes);
    WindowWatch watch;
    ExpectDialogs({{ERROR_CAPTION, [](HWND box) { PressButton(box, IDOK); }}});
    EXPECT_TRUE(Saved(NoteWindowOf(NoteTable[5]), IDM_NEW_NOTE));
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_EQ(watch.Dialogs(), 1) << "no memo input opens for any note";
    EXPECT_EQ(noteCount, kMaxNotes);
}

TEST_F(CommandsTest, NewNoteOpensTheMemoInputOfTheNewNoteWhenAsked) {
    if (!HasDialog(IDD_MEMO_INPUT)) GTEST_SKIP() << "memo input dialog not linked in";
    openInputAtOnce = 1;
    const HWND note = OpenNote(MakeRecord(100, 100, 220, 66, "one"));
    HWND owner = nullptr;
    ExpectDialogs({{SJ_MEMO_INPUT, [&](HWND memo) {
                        owner = GetWindow(memo, GW_OWNER);
                        PressButton(memo, IDCANCEL);
                    }}});
    EXPECT_TRUE(Saved(note, IDM_NEW_NOTE));
    EXPECT_TRUE(DialogScriptDone());
    ASSERT_EQ(noteCount, 2);
    EXPECT_EQ(owner, NoteWindowOf(NoteTable[1]));
}

TEST_F(CommandsTest, MemoInputCommandRunsTheNotesMemoAndSaves) {
    if (!HasDialog(IDD_MEMO_INPUT)) GTEST_SKIP() << "memo input dialog not linked in";
    const HWND note = OpenNote(MakeRecord(100, 100, 220, 66, "memo"));
    HWND owner = nullptr;
    ExpectDialogs({{SJ_MEMO_INPUT, [&](HWND memo) {
                        owner = GetWindow(memo, GW_OWNER);
                        PressButton(memo, IDCANCEL);
                    }}});
    EXPECT_TRUE(Saved(note, IDM_MEMO_INPUT));
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_EQ(owner, note);
    EXPECT_STREQ(NoteTable[0].text, "memo");
}

TEST_F(CommandsTest, ShiftNewNoteRunsTheCreationPageFirst) {
    if (!HasDialog(IDD_PAGE_CREATION)) GTEST_SKIP() << "property sheet not linked in";
    const HWND note = OpenNote(MakeRecord(100, 100, 220, 66, "one"));
    ShiftScope shift;
    ExpectDialogs({{SJ_PROPERTIES, [](HWND sheet) { PressButton(sheet, IDCANCEL); }}});
    EXPECT_TRUE(Saved(note, IDM_NEW_NOTE)) << "a cancelled sheet still saves";
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_EQ(noteCount, 1) << "and creates no note";
    ExpectDialogs({{SJ_PROPERTIES, [](HWND sheet) { PressButton(sheet, IDOK); }}});
    EXPECT_TRUE(Saved(note, IDM_NEW_NOTE));
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_EQ(noteCount, 2);
}

TEST_F(CommandsTest, PeelOffClosesTheNoteAndSavesTheRest) {
    OpenNote(MakeRecord(10, 10, 100, 50, "one"));
    const HWND two = OpenNote(MakeRecord(10, 70, 100, 50, "two"));
    OpenNote(MakeRecord(10, 130, 100, 50, "three"));
    std::strcpy(UndoTable[2].text, "undo three");
    EXPECT_TRUE(Saved(two, IDM_PEEL_OFF));
    EXPECT_FALSE(IsWindow(two));
    ASSERT_EQ(noteCount, 2);
    EXPECT_STREQ(UndoTable[1].text, "undo three") << "undo copies move with their notes";
    EXPECT_EQ(SavedTexts(), (std::vector<std::string>{"one", "three"}));
    EXPECT_FALSE(FileIsThere(logPath)) << "no log unless it is enabled";
}

TEST_F(CommandsTest, PeelOffAppendsTheTextToTheLogWhenEnabled) {
    logEnabled = 1;
    const HWND note = OpenNote(MakeRecord(10, 10, 100, 50, "gone\r\nfor now"));
    EXPECT_TRUE(Saved(note, IDM_PEEL_OFF));
    EXPECT_EQ(noteCount, 0);
    const std::string log = ReadFileBytes(logPath);
    ASSERT_EQ(log.size(), 33u + 14u);
    EXPECT_EQ(log[0], '\f');
    EXPECT_EQ(log.substr(33), "gone\r\nfor now\n");
}

// A log entry as the program writes it: form feed, 31-byte date line, line feed, text, line feed.
static std::string LogEntry(const char *text) {
    return "\f----- 2024/01/05 14:03.27 -----\n" + std::string(text) + "\n";
}

TEST_F(CommandsTest, HistoryWithoutALogDoesNothing) {
    const HWND note = OpenNote(MakeRecord(10, 10, 100, 50, "text"));
    WindowWatch watch;
    EXPECT_FALSE(Saved(note, IDM_HISTORY));
    EXPECT_EQ(lastCommandWindow, note);
    EXPECT_EQ(watch.Dialogs(), 0);
}

// The menu grays History for an empty log, but the accelerator still reaches the dialog.
TEST_F(CommandsTest, HistoryWithAnEmptyLogStillOpensTheDialog) {
    const HWND note = OpenNote(MakeRecord(10, 10, 100, 50, "text"));
    WriteFileBytes(logPath, "");
    ExpectDialogs({{ERROR_CAPTION, [](HWND box) { PressButton(box, IDOK); }},
                   {SJ_TAVLO " " SJ_HISTORY, [](HWND history) { PressButton(history, IDCANCEL); }}});
    EXPECT_TRUE(Saved(note, IDM_HISTORY));
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_STREQ(NoteTable[0].text, "text");
}

TEST_F(CommandsTest, HistoryRestoresIntoTheNoteOrIntoANewNote) {
    if (!HasDialog(IDD_HISTORY)) GTEST_SKIP() << "history dialog not linked in";
    WriteFileBytes(logPath, LogEntry("older") + LogEntry("newer\r\nline"));
    const HWND note = OpenNote(MakeRecord(10, 10, 100, 50, "current"));
    const char *caption = SJ_TAVLO " " SJ_HISTORY;

    ExpectDialogs({{caption, [](HWND history) {
                        SetCheck(history, IDC_RESTORE_TO_NEW, false);
                        PressButton(history, IDC_HISTORY_ENTRY1);
                    }}});
    EXPECT_TRUE(Saved(note, IDM_HISTORY));
    EXPECT_TRUE(DialogScriptDone());
    ASSERT_EQ(noteCount, 1);
    EXPECT_STREQ(NoteTable[0].text, "newer\r\nline");
    EXPECT_STREQ(UndoTable[0].text, "current");

    ExpectDialogs({{caption, [](HWND history) { PressButton(history, IDC_HISTORY_ENTRY2); }}});
    EXPECT_TRUE(Saved(note, IDM_HISTORY));
    EXPECT_TRUE(DialogScriptDone());
    ASSERT_EQ(noteCount, 2) << "the box is checked when the dialog opens";
    EXPECT_STREQ(NoteTable[1].text, "older");
    EXPECT_STREQ(NoteTable[0].text, "newer\r\nline");

    ExpectDialogs({{caption, [](HWND history) {
                        SetCheck(history, IDC_RESTORE_TO_NEW, false);
                        PressButton(history, IDC_HISTORY_ENTRY2);
                    }}});
    EXPECT_TRUE(Saved(mainWindow, IDM_HISTORY));
    EXPECT_TRUE(DialogScriptDone());
    ASSERT_EQ(noteCount, 3) << "from the tray the text always goes into a new note";
    EXPECT_STREQ(NoteTable[2].text, "older");

    ExpectDialogs({{caption, [](HWND history) { PressButton(history, IDCANCEL); }}});
    EXPECT_TRUE(Saved(note, IDM_HISTORY)) << "closed without a choice: still saved";
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_EQ(noteCount, 3);
}

TEST_F(CommandsTest, ModeCommandsApplyToTheNoteOrWithShiftToAll) {
    const HWND one = OpenNote(MakeRecord(10, 10, 100, 50, "one"));
    const HWND two = OpenNote(MakeRecord(10, 70, 100, 50, "two"));
    EXPECT_TRUE(Saved(two, IDM_MODE_TOPMOST));
    EXPECT_EQ(ModeOf(NoteTable[0]), kModeNormal);
    EXPECT_EQ(ModeOf(NoteTable[1]), kModeTopmost);
    EXPECT_TRUE(GetWindowLongA(two, GWL_EXSTYLE) & WS_EX_TOPMOST);
    {
        ShiftScope shift;
        EXPECT_TRUE(Saved(one, IDM_MODE_WALLPAPER));
    }
    EXPECT_EQ(ModeOf(NoteTable[0]), kModeWallpaper);
    EXPECT_EQ(ModeOf(NoteTable[1]), kModeWallpaper);
    EXPECT_TRUE(Saved(one, IDM_MODE_NORMAL));
    EXPECT_EQ(ModeOf(NoteTable[0]), kModeNormal);
    EXPECT_EQ(ModeOf(NoteTable[1]), kModeWallpaper);
}

TEST_F(CommandsTest, ModeCommandsWithShiftAndNoNoteStillSave) {
    ShiftScope shift;
    for (UINT id : {IDM_MODE_NORMAL, IDM_MODE_TOPMOST, IDM_MODE_WALLPAPER}) {
        EXPECT_TRUE(Saved(mainWindow, id)) << "id " << id;
        EXPECT_EQ(noteCount, 0);
    }
}

TEST_F(CommandsTest, TaskbarTogglesTheNoteAndWithShiftGivesEveryNoteTheNewValue) {
    NoteRecord withButton = MakeRecord(10, 70, 100, 50, "b");
    withButton.taskbarFlag = 1;
    const HWND a = OpenNote(MakeRecord(10, 10, 100, 50, "a"));
    const HWND b = OpenNote(withButton);
    const HWND c = OpenNote(MakeRecord(10, 130, 100, 50, "c"));
    {
        ShiftScope shift;
        EXPECT_TRUE(Saved(a, IDM_TASKBAR));
    }
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(NoteTable[i].taskbarFlag, 1) << "note " << i;
    for (HWND w : {a, b, c})
        EXPECT_FALSE(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);

    EXPECT_TRUE(Saved(b, IDM_TASKBAR));
    EXPECT_EQ(NoteTable[1].taskbarFlag, 0);
    EXPECT_TRUE(GetWindowLongA(b, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(NoteTable[0].taskbarFlag, 1);
    EXPECT_EQ(NoteTable[2].taskbarFlag, 1);
    {
        ShiftScope shift;
        Command(c, IDM_TASKBAR); // c has 1: everyone gets 0, b included
    }
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(NoteTable[i].taskbarFlag, 0) << "note " << i;
}

TEST_F(CommandsTest, TaskbarKeepsAWallpaperNoteWithoutAButton) {
    NoteRecord r = MakeRecord(10, 10, 100, 50, "w");
    r.displayMode = kModeWallpaper;
    const HWND note = OpenNote(r);
    EXPECT_TRUE(Saved(note, IDM_TASKBAR));
    EXPECT_EQ(NoteTable[0].taskbarFlag, 1);
    EXPECT_EQ(ModeOf(NoteTable[0]), kModeWallpaper);
    EXPECT_TRUE(GetWindowLongA(note, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
}

TEST_F(CommandsTest, WrapTogglesAndSaves) {
    NoteRecord r = MakeRecord(10, 10, 100, 50, "w");
    r.wrapFlag = 7;
    const HWND note = OpenNote(r);
    EXPECT_TRUE(Saved(note, IDM_WRAP));
    EXPECT_EQ(NoteTable[0].wrapFlag, 0);
    EXPECT_TRUE(Saved(note, IDM_WRAP));
    EXPECT_EQ(NoteTable[0].wrapFlag, 1);
}

TEST_F(CommandsTest, ArrangeSavesAlsoWithNoNoteOpen) {
    EXPECT_TRUE(Saved(mainWindow, IDM_ARRANGE));
    const HWND note = OpenNote(MakeRecord(300, 300, 100, 50, "a"));
    EXPECT_TRUE(Saved(note, IDM_ARRANGE));
    EXPECT_EQ(lastCommandWindow, note);
}

TEST_F(CommandsTest, ShiftArrangeCancelledSkipsTheArrangementButSaves) {
    if (!HasDialog(IDD_PAGE_ARRANGEMENT)) GTEST_SKIP() << "property sheet not linked in";
    const HWND note = OpenNote(MakeRecord(300, 300, 100, 50, "a"));
    ShiftScope shift;
    ExpectDialogs({{SJ_PROPERTIES, [](HWND sheet) { PressButton(sheet, IDCANCEL); }}});
    EXPECT_TRUE(Saved(note, IDM_ARRANGE));
    EXPECT_TRUE(DialogScriptDone());
    RECT r;
    GetWindowRect(note, &r);
    EXPECT_EQ(r.left, 300);
    EXPECT_EQ(r.top, 300);
}

TEST_F(CommandsTest, AboutOpensOverTheNoteAndDoesNotSave) {
    const HWND note = OpenNote(MakeRecord(10, 10, 100, 50, "a"));
    HWND owner = nullptr;
    ExpectDialogs({{SJ_ABOUT, [&](HWND about) {
                        owner = GetWindow(about, GW_OWNER);
                        PressButton(about, IDOK);
                    }}});
    EXPECT_FALSE(Saved(note, IDM_ABOUT));
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_EQ(owner, note);
}

TEST_F(CommandsTest, DefaultSettingsAndPropertiesSaveWhateverTheDialogsReturn) {
    const HWND note = OpenNote(MakeRecord(10, 10, 100, 50, "a"));
    if (HasDialog(IDD_DEFAULT_SETTINGS))
        ExpectDialogs({{SJ_DEFAULTS, [](HWND dialog) { PressButton(dialog, IDCANCEL); }}});
    EXPECT_TRUE(Saved(note, IDM_DEFAULT_SETTINGS));
    EXPECT_TRUE(DialogScriptDone());
    if (HasDialog(IDD_PAGE_OTHER))
        ExpectDialogs({{SJ_PROPERTIES, [](HWND sheet) { PressButton(sheet, IDCANCEL); }}});
    EXPECT_TRUE(Saved(note, IDM_PROPERTIES));
    EXPECT_TRUE(DialogScriptDone());
}

TEST_F(CommandsTest, FileOutputDoesNotSave) {
    const HWND note = OpenNote(MakeRecord(10, 10, 100, 50, "a"));
    if (HasDialog(IDD_EXPORT_FORMAT))
        ExpectDialogs({{SJ_FILE_FORMAT, [](HWND dialog) { PressButton(dialog, IDCANCEL); }}});
    EXPECT_FALSE(Saved(note, IDM_FILE_OUTPUT));
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_EQ(lastCommandWindow, note);
}

// Other notes stay usable while a command's dialog is open; when the note the command came from
// is peeled off just as its dialog is accepted, the command does nothing more, and no other note
// takes its place.
TEST_F(CommandsTest, ANoteClosedAsItsDialogIsAcceptedGetsNothingMore) {
    WriteFileBytes(logPath, LogEntry("from the log"));
    struct Case {
        UINT command;
        std::string caption;
        int accept;
        bool shift;
    };
    const Case cases[] = {
        {IDM_NEW_NOTE, SJ_PROPERTIES, IDOK, true},
        {IDM_HISTORY, SJ_TAVLO " " SJ_HISTORY, IDC_HISTORY_ENTRY1, false},
        {IDM_BACK_COLOR, PlatformCaption("\x90\x46", "Color"), IDOK, false}, // 色
        {IDM_FONT, PlatformCaption("\x83\x74\x83\x48\x83\x93\x83\x67\x82\xcc\x8e\x77\x92\xe8", "Font"), IDOK,
         false}}; // フォントの指定
    for (const Case &c : cases) {
        CloseAllNotes();
        const HWND invoker = OpenNote(MakeRecord(10, 10, 100, 50, "invoker"));
        OpenNote(MakeRecord(10, 100, 100, 50, "other"));
        const NoteRecord other = NoteTable[1];
        SetShift(c.shift);
        ExpectDialogs({{c.caption, [&](HWND dialog) {
                            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(c.accept, BN_CLICKED),
                                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, c.accept)));
                            SendMessageA(invoker, WM_COMMAND, IDM_PEEL_OFF, 0);
                        }}});
        SendMessageA(invoker, WM_COMMAND, c.command, 0);
        SetShift(false);
        EXPECT_TRUE(DialogScriptDone()) << "command " << c.command;
        EXPECT_FALSE(IsWindow(invoker)) << "command " << c.command;
        ASSERT_EQ(noteCount, 1) << "command " << c.command;
        EXPECT_EQ(std::memcmp(&NoteTable[0], &other, sizeof other), 0) << "command " << c.command;
    }
}
