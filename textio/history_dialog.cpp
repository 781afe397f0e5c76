// Dialog 3000: the newest entries of the history log, three at a time, with an up-down control
// to page through them; choosing one hands its text back to the History command.
#include "textio/history_log.h"

#include "platform/dialog_centering.h"
#include "platform/program.h"
#include "platform/program_files.h"
#include "platform/wide_text.h"
#include "res/resource.h"
#include "textio/history_loader.h"

#include <commctrl.h>

#include <cstdio>
#include <memory>
#include <string>

constexpr int kShownEntries = 3;

// One opening of the dialog: its entries, where its paging stands, and what it hands back.
struct HistoryDialogState {
    HistoryEntries entries;
    int firstShownEntry; // the entry on the first of the three buttons
    HWND upDown;
    HistoryChoice *choice;
};

static HistoryDialogState *StateOf(HWND dialog) {
    return reinterpret_cast<HistoryDialogState *>(GetWindowLongPtrW(dialog, DWLP_USER));
}

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
    std::snprintf(text, sizeof text, format, static_cast<unsigned>(result.error),
                  static_cast<int>(result.error));
    ShowErrorMessage(text);
}

// Fills the three buttons and their labels from the first shown entry on. A button whose entry
// has no text (past the last entry, or an entry cut short in the log) is disabled with its
// label, so that only real entries can be chosen.
static void ShowEntries(HWND dialog, const HistoryDialogState &state) {
    for (int i = 0; i < kShownEntries; ++i) {
        const HistorySlot &slot = state.entries.slots[state.firstShownEntry + i];
        const std::string label = "履歴" + std::to_string(state.firstShownEntry + i + 1);
        SetControlText932(dialog, IDC_HISTORY_LABEL1 + i, label.c_str());
        SetControlText932(dialog, IDC_HISTORY_ENTRY1 + i, slot);
        EnableWindow(GetDlgItem(dialog, IDC_HISTORY_LABEL1 + i), slot[0] != '\0');
        EnableWindow(GetDlgItem(dialog, IDC_HISTORY_ENTRY1 + i), slot[0] != '\0');
    }
}

static void ShowPosition(HWND dialog, const HistoryDialogState &state) {
    const std::string position =
        std::to_string(state.firstShownEntry + 1) + "/" + std::to_string(state.entries.count);
    SetControlText932(dialog, IDC_HISTORY_POSITION, position.c_str());
}

// The top of the up-down range shows the newest entries; each step down one older entry.
static void SetUpScrolling(const HistoryDialogState &state) {
    const int last = state.entries.count - kShownEntries;
    SendMessageW(state.upDown, UDM_SETRANGE, 0, MAKELPARAM(last, 0));
    SendMessageW(state.upDown, UDM_SETPOS, 0, MAKELPARAM(last, 0));
    // Paging needs more entries than there are buttons. An empty entry among the newest three
    // does not stop it, so the older entries stay within reach.
    EnableWindow(state.upDown, state.entries.count >= kShownEntries);
}

static void OnInitDialog(HWND dialog, LPARAM param) {
    SetWindowLongPtrW(dialog, DWLP_USER, param);
    HistoryDialogState &state = *StateOf(dialog);
    CheckDlgButton(dialog, IDC_RESTORE_TO_NEW, BST_CHECKED);
    CenterIfFromTray(dialog);
    state.upDown = GetDlgItem(dialog, IDC_HISTORY_UPDOWN);
    state.firstShownEntry = 0;
    const LogLoadResult result = LoadHistoryLog(logPath, state.entries);
    if (result.failedStep != LogLoadStep::Done) {
        ShowLoadFailure(result);
        // The loader left no entry behind, so nothing stale can be chosen.
        ShowEntries(dialog, state);
        EnableWindow(state.upDown, FALSE);
        return;
    }
    ShowEntries(dialog, state);
    SetUpScrolling(state);
    ShowPosition(dialog, state);
}

static void OnScroll(HWND dialog, HistoryDialogState &state) {
    const int pos = LOWORD(SendMessageW(state.upDown, UDM_GETPOS, 0, 0));
    const int first = state.entries.count - kShownEntries - pos;
    if (first < 0 || first > kHistorySlots - kShownEntries) return;
    state.firstShownEntry = first;
    ShowPosition(dialog, state);
    ShowEntries(dialog, state);
}

// An entry without text has its button disabled; a click that arrives anyway chooses nothing.
static void ChooseEntry(HWND dialog, HistoryDialogState &state, int button) {
    const HistorySlot &slot = state.entries.slots[state.firstShownEntry + button];
    if (slot[0] == '\0') return;
    CopyEntryText(state.choice->historyText, slot);
    state.choice->restoreToNewNote = IsDlgButtonChecked(dialog, IDC_RESTORE_TO_NEW) == BST_CHECKED ? 1 : 0;
    EndDialog(dialog, 1);
}

// Deletes the whole log without asking, as the button says.
static void ClearHistory(HWND dialog, HistoryDialogState &state) {
    DeleteFileW(logPath);
    for (int i = 0; i < kShownEntries; ++i) {
        state.entries.slots[i][0] = '\0';
        SetDlgItemTextW(dialog, IDC_HISTORY_ENTRY1 + i, L"");
    }
    EndDialog(dialog, 0);
}

static INT_PTR OnCommand(HWND dialog, HistoryDialogState &state, int id) {
    switch (id) {
    case IDC_HISTORY_ENTRY1:
    case IDC_HISTORY_ENTRY2:
    case IDC_HISTORY_ENTRY3: ChooseEntry(dialog, state, id - IDC_HISTORY_ENTRY1); return TRUE;
    case IDC_HISTORY_CLEAR: ClearHistory(dialog, state); return TRUE;
    case IDCANCEL: EndDialog(dialog, 0); return TRUE;
    }
    return FALSE;
}

static INT_PTR CALLBACK HistoryDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        OnInitDialog(dialog, lParam);
        return TRUE;
    }
    HistoryDialogState *state = StateOf(dialog);
    if (!state) return FALSE; // what arrives before the dialog is set up
    switch (message) {
    case WM_VSCROLL:
        if (reinterpret_cast<HWND>(lParam) != state->upDown) return FALSE;
        OnScroll(dialog, *state);
        return TRUE;
    case WM_COMMAND: return OnCommand(dialog, *state, LOWORD(wParam));
    case WM_CLOSE: EndDialog(dialog, 0); return TRUE;
    }
    return FALSE;
}

INT_PTR HistoryDialog(HWND owner, HistoryChoice &choice) {
    // About a hundred kilobytes of entries: on the heap rather than the stack.
    const auto state = std::make_unique<HistoryDialogState>();
    state->choice = &choice;
    return DialogBoxParamW(programInstance, MAKEINTRESOURCEW(IDD_HISTORY), owner, HistoryDialogProc,
                           reinterpret_cast<LPARAM>(state.get()));
}
