// The memo input dialog with its date stamps.
#pragma once
#include <windows.h>

#include "store/note_record.h"

// Runs dialog 1000 over the note on the text in editBuffer; 1 after OK with editBuffer holding
// the confirmed text, 0 otherwise with editBuffer untouched. Each dialog carries its own text,
// so the memo of another note may be opened and confirmed while this one is up.
INT_PTR RunMemoInputDialog(HWND owner, char (&editBuffer)[kTextSize]);
