// Copy and paste of a note's text, as plain text (CF_TEXT) only.
#include "app/commands.h"

#include "notes/paint_note.h"
#include "store/note_table.h"

#include <cstring>

int CopyNoteText(HWND window) {
    if (!OpenClipboard(window)) return 0;
    // One byte more than the text field, so the block always ends in a zero byte.
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, kTextSize + 1);
    if (!block) {
        CloseClipboard();
        return 0;
    }
    std::memcpy(GlobalLock(block), NoteTable[FindNote(window)].text, kTextSize);
    GlobalUnlock(block);
    EmptyClipboard();
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
    return 1;
}

int PasteNoteText(HWND window) {
    if (!OpenClipboard(window)) return 0;
    HANDLE data = IsClipboardFormatAvailable(CF_TEXT) ? GetClipboardData(CF_TEXT) : nullptr;
    const char *text = data ? static_cast<const char *>(GlobalLock(data)) : nullptr;
    if (text) {
        // Measured within the block, so a clipboard text without a terminator is still safe.
        const size_t limit = GlobalSize(data);
        const size_t length = strnlen(text, limit < kMaxTextBytes ? limit : kMaxTextBytes);
        const int index = FindNote(window);
        UndoTable[index] = NoteTable[index];
        std::memcpy(NoteTable[index].text, text, length);
        NoteTable[index].text[length] = '\0';
        RepaintNote(window);
        GlobalUnlock(data);
    }
    CloseClipboard();
    return 1;
}
