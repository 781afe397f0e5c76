// Painting a note, and the date macros that show the running clock under /TIMER.
#pragma once
#include <windows.h>

extern int timerRepaintPending;
extern SYSTEMTIME lastClockReading;

void PaintNote(HWND window);

// Repaints every note at once; with setWrap also switches wrapping on for each of them.
void RedrawAllNotes(int setWrap);

// The one-second timer of /TIMER: marks the inner part of every date-macro note for repainting.
void CALLBACK DateMacroTimer(HWND, UINT, UINT_PTR, DWORD);

// Invalidates the whole note with background erase and paints it before returning.
void RepaintNote(HWND window);
