// The history log of peeled-off notes, and the dialog that restores them.
#pragma once
#include <windows.h>

extern char historyText[1024]; // the chosen entry's text, NUL-terminated
extern int restoreToNewNote;   // 1: restore into a new note

// Appends the text of the note in this slot to the log (creating the log when missing).
void AppendToLog(int index);

// Dialog 3000 over the owner; 1 when an entry was chosen, 0 otherwise.
INT_PTR HistoryDialog(HWND owner);
