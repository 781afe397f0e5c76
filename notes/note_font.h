// The font each note is drawn in, kept from one paint to the next.
#pragma once
#include <windows.h>

// The font of the description for the note's window: the one made at an earlier paint while the
// description stays the same, else a new one in its place. Owned here; never deleted by the caller.
HFONT NoteFontOf(HWND window, const LOGFONTA &description);

// Lets go of the window's font; for a window being destroyed.
void ForgetNoteFont(HWND window);
