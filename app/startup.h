// Running the program: start-up, the message loop and shutdown, and the pieces the tests reuse.
#pragma once
#include <windows.h>

// Runs the whole program on the command tail; returns the exit status.
int RunProgram(HINSTANCE instance, char *commandTail);

// Reads the switches of the command tail (starting the clock timer under /TIMER); each switch
// that is not there reads as off.
void ReadSwitches(char *tail);

// Puts all program state but the switches and the file names back as the program starts: the
// settings, the template and the note tables as ResetDefaults leaves them, the other settings,
// the background bitmap, the clock, the drag, the export choices and the save failures.
void ResetProgramState();

// The window class of the notes and the main window, and the main window.
bool RegisterNoteClass();
HWND CreateMainWindow();
