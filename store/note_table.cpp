#include "store/note_table.h"

#include "platform/program.h"

#include <algorithm>
#include <cstring>
#include <vector>

NoteRecord *NoteTable, *UndoTable, *WorkTable;
int noteCount;
int recordsToSave;

static HGLOBAL tableBlock;

bool AllocateNoteTables() {
    tableBlock = GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, 3 * kTableBytes);
    if (!tableBlock) return false;
    NoteTable = static_cast<NoteRecord *>(tableBlock);
    UndoTable = NoteTable + kTableSlots;
    WorkTable = UndoTable + kTableSlots;
    return true;
}

void ReleaseNoteTables() {
    if (tableBlock) GlobalFree(tableBlock);
    tableBlock = nullptr;
    NoteTable = UndoTable = WorkTable = nullptr;
}

int FindNote(HWND window) {
    if (!window) return noteCount; // a note without a window is never found by a null handle
    const uint32_t handle = Low32(window);
    for (int i = 0; i < noteCount; ++i)
        if (NoteTable[i].window == handle) return i;
    return noteCount;
}

static std::vector<HWND> heldNotes;

void HoldNote(HWND window) {
    heldNotes.push_back(window);
}

void LetGoOfNote(HWND window) {
    const auto found = std::find(heldNotes.begin(), heldNotes.end(), window);
    if (found != heldNotes.end()) heldNotes.erase(found);
}

bool NoteHeld(HWND window) {
    return std::find(heldNotes.begin(), heldNotes.end(), window) != heldNotes.end();
}

bool InvokerStillThere(HWND window) {
    return !programEnding && (window == mainWindow || FindNote(window) < noteCount);
}

void ReplaceNoteText(int index, const char (&text)[kTextSize]) {
    UndoTable[index] = NoteTable[index];
    std::memcpy(NoteTable[index].text, text, kTextSize);
}

void RepaintNote(HWND window) {
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
}

void RedrawAllNotes(int setWrap) {
    for (int i = 0; i < noteCount; ++i) {
        if (setWrap) NoteTable[i].wrapFlag = 1;
        // A null window would stand for every window of the desktop.
        if (const HWND window = NoteWindowOf(NoteTable[i])) RepaintNote(window);
    }
}

// A window size as the window's user data holds it: never 0, which means none is held; 0 for a
// size too large to hold, which is then never kept.
static LONG_PTR PackedSize(int width, int height) {
    if (width < 0 || height < 0 || width > 0x7FFF || height > 0x7FFF) return 0;
    return 1 + ((static_cast<LONG_PTR>(width) << 16) | height);
}

void StoreWindowRect(NoteRecord &record, HWND window) {
    RECT r;
    if (!GetWindowRect(window, &r)) return; // a rectangle the platform did not fill is not a place
    record.x = r.left;
    record.y = r.top;
    const int width = r.right - r.left, height = r.bottom - r.top;
    const LONG_PTR refused = GetWindowLongPtrW(window, GWLP_USERDATA);
    if (refused != 0 && refused == PackedSize(width, height)) return; // the stored size stays
    record.width = width;
    record.height = height;
}

void KeepStoredSize(NoteRecord &record, HWND window, int width, int height) {
    RECT r;
    record.width = width;
    record.height = height;
    if (!GetWindowRect(window, &r)) return;
    if (r.right - r.left != width || r.bottom - r.top != height)
        SetWindowLongPtrW(window, GWLP_USERDATA, PackedSize(r.right - r.left, r.bottom - r.top));
}

// Slots above the removed one move down in both tables, so each undo copy stays with its note.
static void CompactTables(int index) {
    for (int j = index; j < noteCount - 1; ++j) {
        NoteTable[j] = NoteTable[j + 1];
        UndoTable[j] = UndoTable[j + 1];
    }
    std::memset(&NoteTable[noteCount - 1], 0, sizeof(NoteRecord));
    std::memset(&UndoTable[noteCount - 1], 0, sizeof(NoteRecord));
    --noteCount;
}

void CloseNote(int index) {
    if (index < 0) {
        DestroyWindow(mainWindow);
        return;
    }
    if (index >= noteCount) return;
    const HWND window = NoteWindowOf(NoteTable[index]);
    CompactTables(index);
    // Messages sent while the window is destroyed already see the tables in their final state.
    DestroyWindow(window);
    if (noteCount > 0) SetActiveWindow(NoteWindowOf(NoteTable[index > 0 ? index - 1 : 0]));
}

constexpr DWORD kFontDialogFlags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS; // 0x141

CHOOSEFONTW FontDialogFor(const FontDialogBytes &stored, HWND owner, LOGFONTW *font) {
    CHOOSEFONTW choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = owner;
    choice.lpLogFont = font;
    choice.Flags = kFontDialogFlags;
    choice.iPointSize = stored.iPointSize;
    choice.rgbColors = stored.rgbColors;
    choice.nFontType = stored.nFontType;
    choice.nSizeMin = stored.nSizeMin;
    choice.nSizeMax = stored.nSizeMax;
    return choice;
}

// Hook, template, instance and the other platform values keep the bytes they had.
void StoreFontDialog(FontDialogBytes &stored, const CHOOSEFONTW &choice) {
    stored.lStructSize = sizeof(FontDialogBytes); // the stored block is the 32-bit structure
    stored.hwndOwner = Low32(choice.hwndOwner);
    stored.lpLogFont = Low32(choice.lpLogFont);
    stored.iPointSize = choice.iPointSize;
    stored.Flags = choice.Flags;
    stored.rgbColors = choice.rgbColors;
    stored.nFontType = choice.nFontType;
    stored.nSizeMin = choice.nSizeMin;
    stored.nSizeMax = choice.nSizeMax;
}
