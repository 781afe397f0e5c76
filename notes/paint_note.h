// Painting a note, and the date macros that show the running clock under /TIMER.
#pragma once
#include <windows.h>

extern int timerRepaintPending; // set by each timer tick, cleared by every completed paint
extern SYSTEMTIME lastClockReading;

void PaintNote(HWND window);

// Under /TIMER: reads the clock and, when the text is a date macro, overwrites the working copy
// (at least 1024 bytes) with the date and time. Returns 0 only for a macro note whose reading
// is in the same second as the previous one, so that a timer-driven repaint may be skipped.
int ExpandDateMacro(HWND window, char *text);

// Repaints every note at once; with setWrap also switches wrapping on for each of them.
void RedrawAllNotes(int setWrap);

// The one-second timer of /TIMER: marks the inner part of every date-macro note for repainting.
// A repaint it skips in the same second is asked for again when the next second begins.
void CALLBACK DateMacroTimer(HWND, UINT, UINT_PTR, DWORD);

// Invalidates the whole note with background erase and paints it before returning.
void RepaintNote(HWND window);
