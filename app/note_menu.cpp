// The one popup menu: built once, its states set anew before every showing.

#include "app/commands.h"
#include "app/splash.h"
#include "app/tray_icon.h"
#include "platform/file_util.h"
#include "platform/program_files.h"
#include "platform/wide_text.h"
#include "res/resource.h"
#include "store/note_table.h"

#include <initializer_list>

HMENU noteMenu, displayModeMenu;

constexpr int kDisplayModeEntryPosition = 12; // the sub-menu is the thirteenth entry
constexpr UINT kSeparator = 0;

struct MenuEntry {
    UINT id; // kSeparator for a separator
    const char *label;
};

static const MenuEntry kMenuHead[] = {
    {IDM_MEMO_INPUT, "メモ入力... (&M)"},
    {IDM_CLEAR, "クリア (&D)"},
    {IDM_UNDO, "元に戻す (&U)"},
    {kSeparator, nullptr},
    {IDM_NEW_NOTE, "新しいタヴロ (&N)"},
    {IDM_PEEL_OFF, "はがす (&Q)"},
    {IDM_HISTORY, "タヴロ 履歴 (&G)"},
    {kSeparator, nullptr},
    {IDM_COPY, "コピー (&C)"},
    {IDM_PASTE, "貼り付け (&V)"},
    {IDM_FILE_OUTPUT, "ファイル出力 (&I)"},
    {kSeparator, nullptr},
};
static const MenuEntry kDisplayModeEntries[] = {
    {IDM_MODE_NORMAL, "通常ﾓｰﾄﾞ (&L)"},    {IDM_MODE_TOPMOST, "前面ﾓｰﾄﾞ (&O)"},
    {IDM_MODE_WALLPAPER, "壁紙ﾓｰﾄﾞ (&P)"}, {kSeparator, nullptr},
    {IDM_TASKBAR, "ﾀｽｸﾊﾞｰ表示 (&J)"},
};
static const MenuEntry kMenuTail[] = {
    {IDM_BACK_COLOR, "背景色...(&B)"},
    {IDM_FONT, "フォント...(&F)"},
    {IDM_ARRANGE, "タヴロ 整列(&T)"},
    {IDM_WRAP, "折り返し表示(&K)"},
    {kSeparator, nullptr},
    {IDM_HELP_TOPICS, "ﾄﾋﾟｯｸの検索...(&H)"},
    {IDM_ABOUT, "ﾊﾞｰｼﾞｮﾝ情報...(&A)"},
    {IDM_DEFAULT_SETTINGS, "ﾃﾞﾌｫﾙﾄ設定...(&E)"},
    {IDM_PROPERTIES, "ﾌﾟﾛﾊﾟﾃｨ...(&R)"},
    {kSeparator, nullptr},
    {IDM_EXIT, "タヴロ 終了 (&X)"},
};

template <size_t N> static void AppendEntries(HMENU menu, const MenuEntry (&entries)[N]) {
    for (const MenuEntry &e : entries) {
        if (e.id == kSeparator)
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuW(menu, MF_STRING, e.id, Wide(e.label).c_str());
    }
}

void BuildNoteMenu() {
    noteMenu = CreatePopupMenu();
    AppendEntries(noteMenu, kMenuHead);
    displayModeMenu = CreatePopupMenu();
    AppendEntries(displayModeMenu, kDisplayModeEntries);
    AppendMenuW(noteMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(displayModeMenu),
                Wide("表示ﾓｰﾄﾞ (&W)").c_str());
    AppendEntries(noteMenu, kMenuTail);
}

// The mode sub-menu belongs to the note menu and goes with it.
void DestroyNoteMenu() {
    DestroyMenu(noteMenu);
    displayModeMenu = noteMenu = nullptr;
}

static void SetEnabled(UINT id, bool enabled) {
    EnableMenuItem(noteMenu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}
static void SetChecked(UINT id, bool checked) {
    CheckMenuItem(noteMenu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}
static void SetDisplayModeEntryEnabled(bool enabled) {
    EnableMenuItem(noteMenu, kDisplayModeEntryPosition, MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
}

static void UpdateForNote(HWND window) {
    const int index = FindNote(window);
    const NoteRecord &note = NoteTable[index];
    for (UINT id : {IDM_MEMO_INPUT, IDM_UNDO, IDM_PEEL_OFF, IDM_BACK_COLOR, IDM_FONT, IDM_ARRANGE, IDM_WRAP,
                    IDM_DEFAULT_SETTINGS})
        SetEnabled(id, true);
    SetDisplayModeEntryEnabled(true);
    SetEnabled(IDM_CLEAR, !TextIsEmpty(note));
    SetEnabled(IDM_COPY, !TextIsEmpty(note));
    SetEnabled(IDM_UNDO, !TextIsEmpty(UndoTable[index]));
    for (UINT id : {IDM_MODE_NORMAL, IDM_MODE_TOPMOST, IDM_MODE_WALLPAPER})
        SetChecked(id, false);
    // A mode outside 0-2 (from a damaged file) would otherwise check an unrelated entry for good.
    if (ModeOf(note) <= kModeWallpaper) SetChecked(IDM_MODE_NORMAL + ModeOf(note), true);
    SetEnabled(IDM_PASTE, IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT));
    SetChecked(IDM_WRAP, note.wrapFlag != 0);
    SetChecked(IDM_TASKBAR, note.taskbarFlag == 1);
    SetEnabled(IDM_TASKBAR, ModeOf(note) != kModeWallpaper);
}

static void UpdateForTray() {
    for (UINT id : {IDM_MEMO_INPUT, IDM_CLEAR, IDM_UNDO, IDM_PEEL_OFF, IDM_COPY, IDM_PASTE, IDM_BACK_COLOR,
                    IDM_FONT, IDM_WRAP, IDM_DEFAULT_SETTINGS})
        SetEnabled(id, false);
    SetDisplayModeEntryEnabled(false);
    SetEnabled(IDM_ARRANGE, noteCount != 0);
}

void UpdateMenuState(HWND window, int noteForm) {
    if (noteForm == 1)
        UpdateForNote(window);
    else
        UpdateForTray();
    SetEnabled(IDM_HISTORY, FileSizeOf(logPath) != 0);
}

void ShowNoteMenu(HWND window, int x, int y) {
    UpdateMenuState(window, 1);
    POINT p = {x, y};
    ClientToScreen(window, &p);
    TrackPopupMenu(noteMenu, TPM_RIGHTBUTTON, p.x, p.y, 0, window, nullptr);
}

// The main window holds the foreground only while the menu is up: it must have it for the menu
// to close when the user clicks elsewhere, and afterwards the accelerators belong to the window
// that had it, unless the chosen command brought up a window of its own.
static void ShowTrayMenu(HWND window) {
    UpdateMenuState(window, 0);
    POINT cursor;
    GetCursorPos(&cursor);
    const HWND previous = GetForegroundWindow();
    SetForegroundWindow(window);
    const UINT command =
        TrackPopupMenu(noteMenu, TPM_RIGHTBUTTON | TPM_RETURNCMD, cursor.x, cursor.y, 0, window, nullptr);
    PostMessageW(window, WM_NULL, 0, 0);
    if (command) SendMessageW(window, WM_COMMAND, command, 0);
    if (GetForegroundWindow() == window && previous != window && IsWindow(previous))
        SetForegroundWindow(previous);
}

void OnTrayNotify(HWND window, WPARAM iconId, LPARAM mouseMessage) {
    if (iconId != kTrayIconId) return;
    if (mouseMessage == WM_LBUTTONDOWN)
        ShowSplash();
    else if (mouseMessage == WM_RBUTTONDOWN)
        ShowTrayMenu(window);
}
