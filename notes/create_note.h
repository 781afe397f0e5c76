// Creating note windows and applying their display mode.
#pragma once
#include <windows.h>

// With a source window, makes a new note from it (or from the tray when it is the main window);
// without one, opens the record already standing in slot noteCount. correct switches on the
// placement corrections and the inheritance. Shows the limit message when 99 notes are open.
void CreateNote(HWND source, int correct);

// Start-up: opens the count records that stand from slot noteCount on, as many CreateNote calls
// without a source would, with the same places, modes, z-order and active note, and each drawn
// where the z-order puts it.
void OpenRestoredNotes(int count);

// The message that no more notes can be opened.
void ShowNoteLimitMessage();

// Applies mode (normal, topmost or wallpaper) and the taskbar style; stores mode and geometry.
void SetDisplayMode(HWND window, int mode);
