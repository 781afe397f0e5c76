// The history log of peeled-off notes, and the dialog that restores them.
#pragma once
#include <windows.h>

// What the user chose in one opening of the history dialog.
struct HistoryChoice {
    char historyText[1024]; // the chosen entry's text, NUL-terminated
    int restoreToNewNote;   // 1: restore into a new note
};

// Appends the text of the note in this slot to the log (creating the log when missing). Returns
// 0 once the whole entry is in the log, or the platform's error; a failed entry leaves the log
// as it was.
DWORD AppendToLog(int index);

// Dialog 3000 over the owner; 1 when an entry was chosen (and the choice filled), 0 otherwise.
// Each opening has its own entries and choice, so several may be open at once.
INT_PTR HistoryDialog(HWND owner, HistoryChoice &choice);
