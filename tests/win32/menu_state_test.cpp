#include "tests/win32/harness.h"
#include "tests/win32/window_watch.h"

#include "app/commands.h"
#include "app/tray_icon.h"
#include "platform/program.h"
#include "platform/program_files.h"
#include "res/resource.h"
#include "store/note_table.h"

#include <cstring>
#include <string>
#include <vector>

class MenuStateTest : public ProgramTest {};

constexpr int kDisplayModeEntry = 12;

struct Entry {
    UINT id; // 0: separator
    const char *label;
};

static std::string LabelAt(HMENU menu, int position) {
    wchar_t label[128] = L"";
    GetMenuStringW(menu, position, label, 128, MF_BYPOSITION);
    return Narrow(label);
}

static void ExpectEntries(HMENU menu, const std::vector<Entry> &expected) {
    ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(expected.size()));
    for (int i = 0; i < static_cast<int>(expected.size()); ++i) {
        const UINT state = GetMenuState(menu, i, MF_BYPOSITION);
        if (expected[i].id == 0) {
            EXPECT_TRUE(state & MF_SEPARATOR) << "position " << i;
            continue;
        }
        EXPECT_EQ(GetMenuItemID(menu, i), expected[i].id) << "position " << i;
        EXPECT_EQ(LabelAt(menu, i), expected[i].label) << "position " << i;
    }
}

TEST_F(MenuStateTest, TheMenuHoldsItsEntriesInOrderWithTheirLabels) {
    ExpectEntries(noteMenu,
                  {{100, "\x83\x81\x83\x82\x93\xfc\x97\xcd... (&M)"}, // メモ入力... (&M)
                   {101, "\x83\x4e\x83\x8a\x83\x41 (&D)"},            // クリア (&D)
                   {102, "\x8c\xb3\x82\xc9\x96\xdf\x82\xb7 (&U)"},    // 元に戻す (&U)
                   {0, nullptr},
                   {103, "\x90\x56\x82\xb5\x82\xa2\x83\x5e\x83\x94\x83\x8d (&N)"}, // 新しいタヴロ (&N)
                   {104, "\x82\xcd\x82\xaa\x82\xb7 (&Q)"},                         // はがす (&Q)
                   {105, "\x83\x5e\x83\x94\x83\x8d \x97\x9a\x97\xf0 (&G)"},        // タヴロ 履歴 (&G)
                   {0, nullptr},
                   {110, "\x83\x52\x83\x73\x81\x5b (&C)"},                         // コピー (&C)
                   {111, "\x93\x5c\x82\xe8\x95\x74\x82\xaf (&V)"},                 // 貼り付け (&V)
                   {112, "\x83\x74\x83\x40\x83\x43\x83\x8b\x8f\x6f\x97\xcd (&I)"}, // ファイル出力 (&I)
                   {0, nullptr},
                   {UINT(-1), "\x95\x5c\x8e\xa6\xd3\xb0\xc4\xde (&W)"},           // 表示ﾓｰﾄﾞ (&W)
                   {130, "\x94\x77\x8c\x69\x90\x46...(&B)"},                      // 背景色...(&B)
                   {131, "\x83\x74\x83\x48\x83\x93\x83\x67...(&F)"},              // フォント...(&F)
                   {132, "\x83\x5e\x83\x94\x83\x8d \x90\xae\x97\xf1(&T)"},        // タヴロ 整列(&T)
                   {133, "\x90\xdc\x82\xe8\x95\xd4\x82\xb5\x95\x5c\x8e\xa6(&K)"}, // 折り返し表示(&K)
                   {0, nullptr},
                   {140, "\xc4\xcb\xdf\xaf\xb8\x82\xcc\x8c\x9f\x8d\xf5...(&H)"}, // ﾄﾋﾟｯｸの検索...(&H)
                   {141, "\xca\xde\xb0\xbc\xde\xae\xdd\x8f\xee\x95\xf1...(&A)"}, // ﾊﾞｰｼﾞｮﾝ情報...(&A)
                   {142, "\xc3\xde\xcc\xab\xd9\xc4\x90\xdd\x92\xe8...(&E)"}, // ﾃﾞﾌｫﾙﾄ設定...(&E)
                   {143, "\xcc\xdf\xdb\xca\xdf\xc3\xa8...(&R)"},             // ﾌﾟﾛﾊﾟﾃｨ...(&R)
                   {0, nullptr},
                   {144, "\x83\x5e\x83\x94\x83\x8d \x8f\x49\x97\xb9 (&X)"}}); // タヴロ 終了 (&X)
    EXPECT_EQ(GetSubMenu(noteMenu, kDisplayModeEntry), displayModeMenu);
    ExpectEntries(displayModeMenu,
                  {{121, "\x92\xca\x8f\xed\xd3\xb0\xc4\xde (&L)"}, // 通常ﾓｰﾄﾞ (&L)
                   {122, "\x91\x4f\x96\xca\xd3\xb0\xc4\xde (&O)"}, // 前面ﾓｰﾄﾞ (&O)
                   {123, "\x95\xc7\x8e\x86\xd3\xb0\xc4\xde (&P)"}, // 壁紙ﾓｰﾄﾞ (&P)
                   {0, nullptr},
                   {124, "\xc0\xbd\xb8\xca\xde\xb0\x95\x5c\x8e\xa6 (&J)"}}); // ﾀｽｸﾊﾞｰ表示 (&J)
    // Half-width katakana are single bytes in the program's code page.
    EXPECT_EQ(LabelAt(displayModeMenu, 0), "\x92\xca\x8f\xed\xd3\xb0\xc4\xde (&L)");
}

static bool Grayed(UINT id) {
    return (GetMenuState(noteMenu, id, MF_BYCOMMAND) & MF_GRAYED) != 0;
}
static bool Checked(UINT id) {
    return (GetMenuState(noteMenu, id, MF_BYCOMMAND) & MF_CHECKED) != 0;
}
static bool DisplayModeEntryGrayed() {
    return (GetMenuState(noteMenu, kDisplayModeEntry, MF_BYPOSITION) & MF_GRAYED) != 0;
}

static const UINT kNeverGrayed[] = {IDM_NEW_NOTE, IDM_FILE_OUTPUT, IDM_HELP_TOPICS,
                                    IDM_ABOUT,    IDM_PROPERTIES,  IDM_EXIT};

static void PutTextOnClipboard(bool text) {
    ASSERT_TRUE(OpenClipboard(mainWindow));
    EmptyClipboard();
    if (text) {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 4);
        lstrcpyA(static_cast<char *>(GlobalLock(block)), "abc");
        GlobalUnlock(block);
        SetClipboardData(CF_TEXT, block);
    }
    CloseClipboard();
}

TEST_F(MenuStateTest, TheTrayFormGraysEverythingThatNeedsANote) {
    const HWND note = OpenNote(MakeRecord(10, 10, 100, 50, "text"));
    std::strcpy(UndoTable[0].text, "undo");
    PutTextOnClipboard(true);
    UpdateMenuState(note, 1); // everything enabled first
    UpdateMenuState(mainWindow, 0);
    for (UINT id : {IDM_MEMO_INPUT, IDM_CLEAR, IDM_UNDO, IDM_PEEL_OFF, IDM_COPY, IDM_PASTE, IDM_BACK_COLOR,
                    IDM_FONT, IDM_WRAP, IDM_DEFAULT_SETTINGS})
        EXPECT_TRUE(Grayed(id)) << "id " << id;
    EXPECT_TRUE(DisplayModeEntryGrayed());
    EXPECT_FALSE(Grayed(IDM_ARRANGE)) << "a note is open";
    for (UINT id : kNeverGrayed)
        EXPECT_FALSE(Grayed(id)) << "id " << id;

    CloseAllNotes();
    UpdateMenuState(mainWindow, 0);
    EXPECT_TRUE(Grayed(IDM_ARRANGE)) << "no note to arrange";
    for (UINT id : kNeverGrayed)
        EXPECT_FALSE(Grayed(id)) << "id " << id;
}

TEST_F(MenuStateTest, TheNoteFormFollowsTheNote) {
    NoteRecord r = MakeRecord(10, 10, 100, 50, "");
    r.displayMode = kModeTopmost;
    r.wrapFlag = 2;
    r.taskbarFlag = 1;
    const HWND note = OpenNote(r);
    UpdateMenuState(mainWindow, 0); // everything grayed first
    PutTextOnClipboard(false);
    UpdateMenuState(note, 1);
    for (UINT id : {IDM_MEMO_INPUT, IDM_PEEL_OFF, IDM_BACK_COLOR, IDM_FONT, IDM_ARRANGE, IDM_WRAP,
                    IDM_DEFAULT_SETTINGS})
        EXPECT_FALSE(Grayed(id)) << "id " << id;
    EXPECT_FALSE(DisplayModeEntryGrayed());
    for (UINT id : kNeverGrayed)
        EXPECT_FALSE(Grayed(id)) << "id " << id;
    EXPECT_TRUE(Grayed(IDM_CLEAR)) << "empty text";
    EXPECT_TRUE(Grayed(IDM_COPY)) << "empty text";
    EXPECT_TRUE(Grayed(IDM_UNDO)) << "nothing to undo";
    EXPECT_TRUE(Grayed(IDM_PASTE)) << "no text on the clipboard";
    EXPECT_FALSE(Checked(IDM_MODE_NORMAL));
    EXPECT_TRUE(Checked(IDM_MODE_TOPMOST));
    EXPECT_FALSE(Checked(IDM_MODE_WALLPAPER));
    EXPECT_TRUE(Checked(IDM_WRAP)) << "any non-zero wrap flag";
    EXPECT_TRUE(Checked(IDM_TASKBAR));
    EXPECT_FALSE(Grayed(IDM_TASKBAR));

    std::strcpy(NoteTable[0].text, "now with text");
    std::strcpy(UndoTable[0].text, "undo");
    NoteTable[0].displayMode = 0x00050000 | kModeWallpaper; // only the low 16 bits count
    NoteTable[0].wrapFlag = 0;
    NoteTable[0].taskbarFlag = 2;
    PutTextOnClipboard(true);
    UpdateMenuState(note, 1);
    EXPECT_FALSE(Grayed(IDM_CLEAR));
    EXPECT_FALSE(Grayed(IDM_COPY));
    EXPECT_FALSE(Grayed(IDM_UNDO));
    EXPECT_FALSE(Grayed(IDM_PASTE));
    EXPECT_FALSE(Checked(IDM_MODE_TOPMOST)) << "the old check mark is removed";
    EXPECT_TRUE(Checked(IDM_MODE_WALLPAPER));
    EXPECT_FALSE(Checked(IDM_WRAP));
    EXPECT_FALSE(Checked(IDM_TASKBAR)) << "only a flag of exactly 1 is checked";
    EXPECT_TRUE(Grayed(IDM_TASKBAR)) << "a wallpaper note has no taskbar button";
}

TEST_F(MenuStateTest, HistoryIsOfferedOnlyForALogWithContent) {
    const HWND note = OpenNote(MakeRecord(10, 10, 100, 50, "text"));
    for (int form : {1, 0}) {
        const HWND window = form ? note : mainWindow;
        DeleteFileW(logPath);
        UpdateMenuState(window, form);
        EXPECT_TRUE(Grayed(IDM_HISTORY)) << "no log, form " << form;
        WriteFileBytes(logPath, "");
        UpdateMenuState(window, form);
        EXPECT_TRUE(Grayed(IDM_HISTORY)) << "empty log, form " << form;
        WriteFileBytes(logPath, "\f----- 2024/01/05 14:03.27 -----\nx\n");
        UpdateMenuState(window, form);
        EXPECT_FALSE(Grayed(IDM_HISTORY)) << "log with an entry, form " << form;
    }
    // The whole size counts: a log of exactly 4 GiB (sparse on the disk) is not empty.
    HANDLE log = CreateFileW(logPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(log, INVALID_HANDLE_VALUE);
    LARGE_INTEGER fourGiB;
    fourGiB.QuadPart = 1LL << 32;
    SetFilePointerEx(log, fourGiB, nullptr, FILE_BEGIN);
    SetEndOfFile(log);
    CloseHandle(log);
    UpdateMenuState(mainWindow, 0);
    EXPECT_FALSE(Grayed(IDM_HISTORY)) << "log of 4 GiB";
    DeleteFileW(logPath);
}

// ---- The tray icon ----

static RECT shownMenu;

// Runs inside the menu's own loop: notes where the menu is and closes it.
static void CALLBACK CloseShownMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND menu = FindWindowA("#32768", nullptr);
    if (!menu || !IsWindowVisible(menu)) return;
    GetWindowRect(menu, &shownMenu);
    KillTimer(nullptr, timer);
    EndMenu();
}

TEST_F(MenuStateTest, RightButtonOnTheTrayIconShowsTheTrayMenuAtTheCursor) {
    OpenNote(MakeRecord(10, 10, 100, 50, "text"));
    SetCursorPos(300, 200);
    shownMenu = RECT{};
    WindowWatch watch;
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, CloseShownMenu);
    SendMessageA(mainWindow, kTrayCallbackMessage, 1, WM_RBUTTONDOWN);
    KillTimer(nullptr, timer);
    PumpMessages();
    EXPECT_EQ(watch.Menus(), 1);
    EXPECT_EQ(shownMenu.left, 300);
    EXPECT_EQ(shownMenu.top, 200);
    EXPECT_TRUE(Grayed(IDM_MEMO_INPUT)) << "prepared in the tray form";
    EXPECT_FALSE(Grayed(IDM_ARRANGE));
}

// The main window takes the foreground only while the menu is up, so that afterwards the
// accelerators reach the note the user was working in.
TEST_F(MenuStateTest, TheTrayMenuGivesTheForegroundBack) {
    const HWND note = OpenNote(MakeRecord(10, 10, 100, 50, "text"));
    ASSERT_TRUE(WaitFor([&] {
        SetForegroundWindow(note);
        return GetForegroundWindow() == note;
    }));
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, CloseShownMenu);
    SendMessageA(mainWindow, kTrayCallbackMessage, 1, WM_RBUTTONDOWN);
    KillTimer(nullptr, timer);
    EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == note; }, 2000))
        << "got " << GetForegroundWindow() << ", expected the note " << note;
}

TEST_F(MenuStateTest, OtherIconsAndOtherMessagesDoNothing) {
    const HWND note = OpenNote(MakeRecord(10, 10, 100, 50, "text"));
    UpdateMenuState(note, 1);
    WindowWatch watch;
    for (LPARAM message : {WM_RBUTTONDOWN, WM_LBUTTONDOWN}) {
        SendMessageA(mainWindow, kTrayCallbackMessage, 2, message);
        SendMessageA(mainWindow, kTrayCallbackMessage, 0, message);
    }
    for (LPARAM message : {WM_RBUTTONUP, WM_LBUTTONUP, WM_MOUSEMOVE, WM_LBUTTONDBLCLK})
        SendMessageA(mainWindow, kTrayCallbackMessage, 1, message);
    EXPECT_EQ(watch.Menus(), 0);
    EXPECT_EQ(watch.Dialogs(), 0) << "no splash";
    EXPECT_FALSE(Grayed(IDM_MEMO_INPUT)) << "the menu was not prepared for the tray";
}

TEST_F(MenuStateTest, LeftButtonOnTheTrayIconShowsTheSplash) {
    WindowWatch watch;
    SendMessageA(mainWindow, kTrayCallbackMessage, 1, WM_LBUTTONDOWN);
    EXPECT_EQ(watch.Dialogs(), 1);
    EXPECT_EQ(watch.Menus(), 0);
}

// ---- Accelerators ----

TEST_F(MenuStateTest, TheAcceleratorTableHasTheNineteenCtrlLetters) {
    HACCEL table = LoadAcceleratorsA(programInstance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    ASSERT_NE(table, nullptr);
    ACCEL entries[32];
    ASSERT_EQ(CopyAcceleratorTableA(table, entries, 32), 19);
    const struct {
        char key;
        WORD command;
    } expected[] = {{'A', 141}, {'B', 130}, {'C', 110}, {'D', 101}, {'E', 142}, {'F', 131}, {'G', 105},
                    {'H', 140}, {'I', 112}, {'J', 124}, {'L', 121}, {'M', 100}, {'N', 103}, {'O', 122},
                    {'P', 123}, {'Q', 104}, {'R', 143}, {'V', 111}, {'X', 144}};
    for (int i = 0; i < 19; ++i) {
        EXPECT_EQ(entries[i].key, expected[i].key) << "entry " << i;
        EXPECT_EQ(entries[i].cmd, expected[i].command) << "entry " << i;
        EXPECT_EQ(entries[i].fVirt & 0x7F, FVIRTKEY | FCONTROL | FNOINVERT) << "entry " << i;
    }
}

static void SetKey(int key, bool down) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[key] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

TEST_F(MenuStateTest, CtrlLetterActsOnTheNoteAndCtrlShiftLetterDoesNot) {
    const HWND note = OpenNote(MakeRecord(10, 10, 100, 50, "text"));
    HACCEL table = LoadAcceleratorsA(programInstance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    MSG key = {note, WM_KEYDOWN, 'D', 0x00200001, 0, {0, 0}};
    SetKey(VK_CONTROL, true);
    {
        ShiftScope shift;
        EXPECT_EQ(TranslateAcceleratorA(note, table, &key), 0);
        EXPECT_STREQ(NoteTable[0].text, "text");
    }
    EXPECT_NE(TranslateAcceleratorA(note, table, &key), 0);
    SetKey(VK_CONTROL, false);
    EXPECT_STREQ(NoteTable[0].text, "") << "Ctrl+D cleared the note";
    EXPECT_EQ(TranslateAcceleratorA(note, table, &key), 0) << "D alone is no command";
}

TEST_F(MenuStateTest, AnUnknownDisplayModeChecksNoOtherEntry) {
    NoteRecord damaged = MakeRecord(10, 10, 100, 50, "text");
    damaged.displayMode = 9; // would name 130, the background colour entry
    UpdateMenuState(OpenNote(damaged), 1);
    EXPECT_FALSE(Checked(IDM_BACK_COLOR));
    EXPECT_FALSE(Checked(IDM_MODE_NORMAL));
}
