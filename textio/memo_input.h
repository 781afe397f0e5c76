// The memo input dialog with its date stamps.
#pragma once
#include <windows.h>

extern char editBuffer[1024]; // the text carried into and out of the memo dialog
extern HWND memoEditWindow;   // the edit field of the open memo dialog, for the input method

// Runs dialog 1000 over the note; 1 after OK with editBuffer holding the text, 0 otherwise.
INT_PTR RunMemoInputDialog(HWND owner);
