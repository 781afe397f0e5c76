// Painting a note, and the date macros that show the running clock under /TIMER.
#pragma once
#include <windows.h>

// On mainWindow: a clock repaint skipped in one second, asked for again in the next.
constexpr UINT_PTR kDateRetryTimerId = 9306;

extern int timerRepaintPending; // set by each timer tick, cleared by every completed paint
extern SYSTEMTIME lastClockReading;

// No clock reading taken and no repaint pending or put off, as at start.
void ResetClock();

void PaintNote(HWND window);

// Under /TIMER: reads the clock and, when the text is a date macro, overwrites the working copy
// (at least 1024 bytes) with the date and time. Returns 0 only for a macro note whose reading
// is in the same second as the previous one, so that a timer-driven repaint may be skipped.
int ExpandDateMacro(HWND window, char *text);

// The one-second timer of /TIMER, started at start-up; false when the platform gives none.
bool StartDateMacroTimer();
void StopDateMacroTimer();

// The one-second timer of /TIMER: marks the inner part of every date-macro note for repainting.
// A repaint it skips in the same second is asked for again when the next second begins.
void CALLBACK DateMacroTimer(HWND, UINT, UINT_PTR, DWORD);
