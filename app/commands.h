// The popup menu, the command dispatcher and the tray icon's handler.
#pragma once
#include <windows.h>

extern HMENU noteMenu, displayModeMenu;

// Carries out a command on the note whose window received it; most commands end with SaveAll.
void DispatchCommand(HWND window, UINT command);

// Enables, grays and checks the menu entries for a note (noteForm 1) or for the tray (0).
void UpdateMenuState(HWND window, int noteForm);

// The menu for the note, at a point of its client area (where the right button was released).
void ShowNoteMenu(HWND window, int x, int y);

// The tray icon's callback: left button shows the splash, right button the menu.
void OnTrayNotify(HWND window, WPARAM iconId, LPARAM mouseMessage);

// Builds noteMenu and displayModeMenu once at start-up; destroys them at shutdown.
void BuildNoteMenu();
void DestroyNoteMenu();

// The clipboard commands: Unicode text for every program, Shift-JIS text with its locale.
int CopyNoteText(HWND window);
int PasteNoteText(HWND window);
