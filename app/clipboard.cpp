// Copy and paste of a note's text, as plain text (CF_TEXT) only.
#include "app/commands.h"

#include "app/clipboard_text.h"
#include "store/note_table.h"

#include <cstring>

// A movable block with the whole text field and one zero byte more, so that it always ends in a
// terminator; null when no memory is to be had.
static HGLOBAL TextBlock(const NoteRecord &note) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, kTextSize + 1);
    if (!block) return nullptr;
    void *bytes = GlobalLock(block);
    if (!bytes) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(bytes, note.text, kTextSize);
    GlobalUnlock(block);
    return block;
}

int CopyNoteText(HWND window) {
    if (!OpenClipboard(window)) return 0;
    HGLOBAL block = TextBlock(NoteTable[FindNote(window)]);
    if (!block) {
        CloseClipboard(); // the clipboard keeps what it held
        return 0;
    }
    EmptyClipboard();
    // The clipboard owns the block once it has taken it; a refused block is still ours to free.
    if (!SetClipboardData(CF_TEXT, block)) GlobalFree(block);
    CloseClipboard();
    return 1;
}

// The old text goes to the undo table first.
static void TakeText(HWND window, const char *text, size_t blockSize) {
    char taken[kTextSize];
    TakeClipboardText(taken, text, blockSize);
    ReplaceNoteText(FindNote(window), taken);
    RepaintNote(window);
}

int PasteNoteText(HWND window) {
    if (!OpenClipboard(window)) return 0;
    HANDLE data = IsClipboardFormatAvailable(CF_TEXT) ? GetClipboardData(CF_TEXT) : nullptr;
    if (const char *text = data ? static_cast<const char *>(GlobalLock(data)) : nullptr) {
        TakeText(window, text, GlobalSize(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return 1;
}
