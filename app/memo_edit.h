// Editing a note's text in the memo input dialog.
#pragma once
#include <windows.h>

// Runs the memo input on the note's text; on OK stores the result, taking an undo copy first when
// the text changed, and saves. The note's display mode is then applied again, which saves too.
void EditNoteMemo(HWND window);
