// State of the running program that every layer shares: the instance, the hidden main window, the
// switches, the window of the command being handled and the screen size.
#pragma once
#include <windows.h>

#define PROGRAM_NAME "タヴロ"
#define PROGRAM_VERSION "3.2"
#define ERROR_CAPTION "タヴロエラー"

extern HINSTANCE programInstance;
extern HWND mainWindow; // owner of the tray icon; never shown
extern HICON programIcon;

// The command-line switches /TIMER, /S, /I and /W.
extern int timerMode, requireSavedNotes, ignoreSettings, perPathInstance;

// The window that received the latest command, set by the command dispatcher; it is mainWindow
// when the command came from the tray menu.
extern HWND lastCommandWindow;

// The primary screen in pixels, read when the defaults are reset and when notes are arranged.
extern int screenWidth, screenHeight;

// Set once Exit has saved and begins to close everything: from then on nothing is saved, created
// or changed, whatever a dialog that was open returns to.
extern bool programEnding;

// The window class of the notes and the main window: the program's name.
extern const wchar_t kWindowClassName[];

// Shows a window hidden while its frame and place change; the splash and the display modes use it.
constexpr UINT kHiddenPlacement = SWP_FRAMECHANGED | SWP_HIDEWINDOW | SWP_NOCOPYBITS; // 416

// A modal warning without owner, as start-up failures and the note limit show it; the text in
// Shift-JIS or in UTF-16.
void ShowErrorMessage(const char *text);
void ShowErrorMessage(const wchar_t *text);
