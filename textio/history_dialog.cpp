// Dialog 3000: the newest entries of the history log, three at a time, with an up-down control
// to page through them; choosing one hands its text back to the History command.
#include "textio/history_log.h"

#include "app/dialog_centering.h"
#include "app/program.h"
#include "res/resource.h"
#include "textio/history_loader.h"

#include <commctrl.h>

constexpr int kShownEntries = 3;

static int firstShownEntry; // the entry on the first of the three buttons
static HWND historyUpDown;

static void ShowLoadFailure(const LogLoadResult &result) {
    const char *format = nullptr;
    switch (result.failedStep) {
    case LogLoadStep::OpenFile: format = " ログファイルを開けません\n CreateFile - %08Xh(%d) "; break;
    case LogLoadStep::CreateMapping:
        format = " ログファイルを開けません \n CreateFileMapping - %08Xh(%d) ";
        break;
    case LogLoadStep::MapView: format = " ログファイルを開けません\n  MapViewOfFile - %08Xh(%d) "; break;
    case LogLoadStep::Done: return;
    }
    char text[128];
    wsprintfA(text, format, result.error, result.error);
    ShowErrorMessage(text);
}

// Fills the three buttons and their labels from firstShownEntry on. A button whose entry has no
// text (past the last entry, or an entry cut short in the log) is disabled with its label, so
// that only real entries can be chosen.
static void ShowEntries(HWND dialog) {
    for (int i = 0; i < kShownEntries; ++i) {
        const HistorySlot &slot = historyEntries[firstShownEntry + i];
        char label[32];
        wsprintfA(label, "履歴%d", firstShownEntry + i + 1);
        SetDlgItemTextA(dialog, IDC_HISTORY_LABEL1 + i, label);
        SetDlgItemTextA(dialog, IDC_HISTORY_ENTRY1 + i, slot);
        EnableWindow(GetDlgItem(dialog, IDC_HISTORY_LABEL1 + i), slot[0] != '\0');
        EnableWindow(GetDlgItem(dialog, IDC_HISTORY_ENTRY1 + i), slot[0] != '\0');
    }
}

static void ShowPosition(HWND dialog) {
    char position[32];
    wsprintfA(position, "%d/%d", firstShownEntry + 1, historyEntryCount);
    SetDlgItemTextA(dialog, IDC_HISTORY_POSITION, position);
}

// The top of the up-down range shows the newest entries; each step down one older entry.
static void SetUpScrolling() {
    const int last = historyEntryCount - kShownEntries;
    SendMessageA(historyUpDown, UDM_SETRANGE, 0, MAKELPARAM(last, 0));
    SendMessageA(historyUpDown, UDM_SETPOS, 0, MAKELPARAM(last, 0));
    // Paging needs more entries than there are buttons. An empty entry among the newest three
    // does not stop it, so the older entries stay within reach.
    EnableWindow(historyUpDown, historyEntryCount >= kShownEntries);
}

static void OnInitDialog(HWND dialog) {
    CheckDlgButton(dialog, IDC_RESTORE_TO_NEW, BST_CHECKED);
    CenterIfFromTray(dialog);
    historyUpDown = GetDlgItem(dialog, IDC_HISTORY_UPDOWN);
    firstShownEntry = 0;
    const LogLoadResult result = LoadHistoryLog(logPath);
    if (result.failedStep != LogLoadStep::Done) {
        ShowLoadFailure(result);
        // The loader left no entry behind, so nothing stale can be chosen.
        ShowEntries(dialog);
        EnableWindow(historyUpDown, FALSE);
        return;
    }
    ShowEntries(dialog);
    SetUpScrolling();
    ShowPosition(dialog);
}

static void OnScroll(HWND dialog) {
    const int pos = LOWORD(SendMessageA(historyUpDown, UDM_GETPOS, 0, 0));
    const int first = historyEntryCount - kShownEntries - pos;
    if (first < 0 || first > kHistorySlots - kShownEntries) return;
    firstShownEntry = first;
    ShowPosition(dialog);
    ShowEntries(dialog);
}

// An entry without text has its button disabled; a click that arrives anyway chooses nothing.
static void ChooseEntry(HWND dialog, int button) {
    const HistorySlot &slot = historyEntries[firstShownEntry + button];
    if (slot[0] == '\0') return;
    CopyEntryText(historyText, slot);
    restoreToNewNote = IsDlgButtonChecked(dialog, IDC_RESTORE_TO_NEW) == BST_CHECKED ? 1 : 0;
    EndDialog(dialog, 1);
}

// Deletes the whole log without asking, as the button says.
static void ClearHistory(HWND dialog) {
    DeleteFileA(logPath);
    for (int i = 0; i < kShownEntries; ++i) {
        historyEntries[i][0] = '\0';
        SetDlgItemTextA(dialog, IDC_HISTORY_ENTRY1 + i, "");
    }
    EndDialog(dialog, 0);
}

static INT_PTR OnCommand(HWND dialog, int id) {
    switch (id) {
    case IDC_HISTORY_ENTRY1:
    case IDC_HISTORY_ENTRY2:
    case IDC_HISTORY_ENTRY3: ChooseEntry(dialog, id - IDC_HISTORY_ENTRY1); return TRUE;
    case IDC_HISTORY_CLEAR: ClearHistory(dialog); return TRUE;
    case IDCANCEL: EndDialog(dialog, 0); return TRUE;
    }
    return FALSE;
}

static INT_PTR CALLBACK HistoryDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: OnInitDialog(dialog); return TRUE;
    case WM_VSCROLL:
        if (reinterpret_cast<HWND>(lParam) != historyUpDown) return FALSE;
        OnScroll(dialog);
        return TRUE;
    case WM_COMMAND: return OnCommand(dialog, LOWORD(wParam));
    case WM_CLOSE: EndDialog(dialog, 0); return TRUE;
    }
    return FALSE;
}

INT_PTR HistoryDialog(HWND owner) {
    return DialogBoxParamA(programInstance, MAKEINTRESOURCEA(IDD_HISTORY), owner, HistoryDialogProc, 0);
}
