// The three note tables (notes, undo copies, arrangement scratch) and the open-note count.
#pragma once
#include <windows.h>
#include <cstddef>

#include "store/note_record.h"

static_assert(sizeof(LOGFONTA) == sizeof(LogFontBytes), "font block mirrors LOGFONTA");
static_assert(offsetof(LOGFONTA, lfFaceName) == offsetof(LogFontBytes, lfFaceName), "LOGFONTA face name");
#ifndef _WIN64
// The stored block is the 32-bit CHOOSEFONT (the same for both character sets); a 64-bit test
// build converts it field by field.
static_assert(sizeof(CHOOSEFONTW) == sizeof(FontDialogBytes), "font dialog block mirrors CHOOSEFONT");
static_assert(offsetof(CHOOSEFONTW, rgbColors) == offsetof(FontDialogBytes, rgbColors), "CHOOSEFONT colour");
static_assert(offsetof(CHOOSEFONTW, nSizeMax) == offsetof(FontDialogBytes, nSizeMax), "CHOOSEFONT end");
#endif

constexpr size_t kTableBytes = sizeof(NoteRecord) * kTableSlots;

extern NoteRecord *NoteTable, *UndoTable, *WorkTable;
extern int noteCount;     // open notes, 0 to 99
extern int recordsToSave; // records the next write of the notes file takes

// One zero-filled block for all three tables, held from start-up to shutdown.
bool AllocateNoteTables();
void ReleaseNoteTables();

// The slot of the open note with this window, or noteCount when there is none.
int FindNote(HWND window);

// After a dialog: false once the program has begun to end, or when the command came from a note
// that was closed meanwhile, so that nothing more is done on its behalf. The tray (the main
// window) has no note to lose.
bool InvokerStillThere(HWND window);

// While a command of a note (a dialog above all) is under way the note is held: merging another
// writer's notes never takes it away. Holds nest.
void HoldNote(HWND window);
void LetGoOfNote(HWND window);
bool NoteHeld(HWND window);
struct NoteHold {
    explicit NoteHold(HWND held) : window(held) { HoldNote(window); }
    ~NoteHold() { LetGoOfNote(window); }
    NoteHold(const NoteHold &) = delete;
    NoteHold &operator=(const NoteHold &) = delete;
    HWND window;
};

// The note in the slot takes the whole text field; its record as it was becomes its undo copy.
void ReplaceNoteText(int index, const char (&text)[kTextSize]);

// Invalidates the whole note with background erase and paints it before returning.
void RepaintNote(HWND window);
// Repaints every note at once; with setWrap also switches wrapping on for each of them.
void RedrawAllNotes(int setWrap);

// Removes the note in the slot (compacting both tables) and destroys its window; -1 destroys
// the hidden main window instead, which ends the program's message loop.
void CloseNote(int index);

// Records hold handles and pointers as 32-bit fields: their low 32 bits.
template <typename T> inline uint32_t Low32(T value) {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(value));
}

// Window handles are 32-bit values on every Windows, sign-extended in 64-bit code.
inline HWND NoteWindowOf(const NoteRecord &r) {
    return reinterpret_cast<HWND>(static_cast<intptr_t>(static_cast<int32_t>(r.window)));
}
inline void SetNoteWindow(NoteRecord &r, HWND window) {
    r.window = Low32(window);
}
inline LOGFONTA *LogFontOf(NoteRecord &r) {
    return reinterpret_cast<LOGFONTA *>(&r.font);
}

// Stores the window's current rectangle in the record: x, y, width, height. The size is not
// stored while the window still has the size the platform gave it instead of the stored one.
void StoreWindowRect(NoteRecord &record, HWND window);

// A restored note keeps its stored size in its record even where the platform refused to make
// its window that large or that far out; until the user resizes it, saves write that size.
void KeepStoredSize(NoteRecord &record, HWND window, int width, int height);

// The font dialog's structure, built afresh over the font: of the stored block only the sizes,
// the text colour and the font type count, so no value from a file becomes a pointer or handle.
CHOOSEFONTW FontDialogFor(const FontDialogBytes &stored, HWND owner, LOGFONTW *font);
// Stores what the dialog gave back; pointers and handles keep their low 32 bits.
void StoreFontDialog(FontDialogBytes &stored, const CHOOSEFONTW &choice);

// After a record's font block was filled from elsewhere, its LOGFONT pointer names its own font.
inline void PointFontDialogAtOwnFont(NoteRecord &r) {
    r.fontDialog.lpLogFont = Low32(&r.font);
}
