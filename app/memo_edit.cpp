#include "app/memo_edit.h"

#include "app/save_all.h"
#include "notes/create_note.h"
#include "res/resource.h"
#include "store/note_table.h"
#include "textio/memo_input.h"

#include <cstring>

// A stored mode outside 0-2 is applied as it stands: turned into a command id it would run
// another command.
static void ReapplyDisplayMode(HWND window) {
    if (!InvokerStillThere(window)) return; // closed while the memo was up
    const int index = FindNote(window);
    const int mode = ModeOf(NoteTable[index]);
    if (mode <= kModeWallpaper) {
        SendMessageW(window, WM_COMMAND, IDM_MODE_NORMAL + mode, 0);
        return;
    }
    SetDisplayMode(window, mode);
    SaveAll();
}

// The text goes into this dialog's own buffer and back, so each of several open memos stores
// only into its own note.
void EditNoteMemo(HWND window) {
    if (FindNote(window) >= noteCount) return; // the main window has no text to edit
    char editBuffer[kTextSize];
    std::memcpy(editBuffer, NoteTable[FindNote(window)].text, kTextSize);
    const NoteHold hold(window);
    if (RunMemoInputDialog(window, editBuffer) && InvokerStillThere(window)) {
        const int index = FindNote(window);
        if (std::strcmp(NoteTable[index].text, editBuffer) != 0)
            ReplaceNoteText(index, editBuffer);
        else
            std::memcpy(NoteTable[index].text, editBuffer, kTextSize);
        RepaintNote(window);
        SaveAll();
    }
    ReapplyDisplayMode(window);
}
