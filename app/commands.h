// The popup menu, the command dispatcher and the tray icon's handler.
#pragma once
#include <windows.h>

extern HMENU noteMenu, displayModeMenu;
extern HWND lastCommandWindow; // the window that received the latest command
extern COLORREF customColors[16];

// Carries out a command on the note whose window received it; most commands end with SaveAll.
void DispatchCommand(HWND window, UINT command);

// Enables, grays and checks the menu entries for a note (noteForm 1) or for the tray (0).
void UpdateMenuState(HWND window, int noteForm);

// The tray icon's callback: left button shows the splash, right button the menu.
void OnTrayNotify(HWND window, WPARAM iconId, LPARAM mouseMessage);

// Builds noteMenu and displayModeMenu once at start-up; destroys them at shutdown.
void BuildNoteMenu();
void DestroyNoteMenu();

// The clipboard commands: plain text only.
int CopyNoteText(HWND window);
int PasteNoteText(HWND window);

// True when the Shift key is held while a command is handled.
bool ShiftHeld();
