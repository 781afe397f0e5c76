// State of the running program: instance, hidden main window, switches and data-file names.
#pragma once
#include <windows.h>

#define PROGRAM_NAME "タヴロ"
#define PROGRAM_VERSION "3.2"
#define ERROR_CAPTION "タヴロエラー"

constexpr int kPathSize = 260;
constexpr int kNotesPathSize = 1024;
constexpr UINT kTrayCallbackMessage = 32868;
constexpr UINT_PTR kDateTimerId = 9305;
constexpr UINT_PTR kDateRetryTimerId = 9306; // on mainWindow: a skipped clock repaint, asked again
constexpr UINT_PTR kTrayRetryTimerId = 9307; // on mainWindow: a tray icon the shell refused

extern HINSTANCE programInstance;
extern HWND mainWindow; // owner of the tray icon; never shown
extern HICON programIcon;

extern int timerMode, requireSavedNotes, ignoreSettings, perPathInstance;

extern char settingsPath[kPathSize], logPath[kPathSize], defaultsPath[kPathSize];
extern char notesPath[kNotesPathSize], backupPath[kPathSize];

// The window class of the notes and the main window.
extern const char kWindowClassName[];

// Runs the whole program on the command tail; returns the exit status.
int RunProgram(HINSTANCE instance, char *commandTail);

// Start-up pieces the tests reuse: file names, the window class and the main window.
void DeriveDataFileNames(const char *modulePath);
bool RegisterNoteClass();
HWND CreateMainWindow();

// A modal warning without owner, as start-up failures and the note limit show it.
void ShowErrorMessage(const char *text);
