#include "store/note_table.h"

#include "app/program.h"

#include <cstring>

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
    const uint32_t handle = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window));
    for (int i = 0; i < noteCount; ++i)
        if (NoteTable[i].window == handle) return i;
    return noteCount;
}

// A window size as the window's user data holds it: never 0, which means none is held; 0 for a
// size too large to hold, which is then never kept.
static LONG_PTR PackedSize(int width, int height) {
    if (width < 0 || height < 0 || width > 0x7FFF || height > 0x7FFF) return 0;
    return 1 + ((static_cast<LONG_PTR>(width) << 16) | height);
}

void StoreWindowRect(NoteRecord &record, HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    record.x = r.left;
    record.y = r.top;
    const int width = r.right - r.left, height = r.bottom - r.top;
    const LONG_PTR refused = GetWindowLongPtrA(window, GWLP_USERDATA);
    if (refused != 0 && refused == PackedSize(width, height)) return; // the stored size stays
    record.width = width;
    record.height = height;
}

void KeepStoredSize(NoteRecord &record, HWND window, int width, int height) {
    RECT r;
    GetWindowRect(window, &r);
    record.width = width;
    record.height = height;
    if (r.right - r.left != width || r.bottom - r.top != height)
        SetWindowLongPtrA(window, GWLP_USERDATA, PackedSize(r.right - r.left, r.bottom - r.top));
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

CHOOSEFONTA LoadFontDialog(const FontDialogBytes &stored) {
    CHOOSEFONTA choice{};
    choice.lStructSize = stored.lStructSize;
    choice.hwndOwner = reinterpret_cast<HWND>(static_cast<uintptr_t>(stored.hwndOwner));
    choice.hDC = reinterpret_cast<HDC>(static_cast<uintptr_t>(stored.hDC));
    choice.lpLogFont = reinterpret_cast<LPLOGFONTA>(static_cast<uintptr_t>(stored.lpLogFont));
    choice.iPointSize = stored.iPointSize;
    choice.Flags = stored.Flags;
    choice.rgbColors = stored.rgbColors;
    choice.lCustData = stored.lCustData;
    choice.lpfnHook = reinterpret_cast<LPCFHOOKPROC>(static_cast<uintptr_t>(stored.lpfnHook));
    choice.lpTemplateName = reinterpret_cast<LPCSTR>(static_cast<uintptr_t>(stored.lpTemplateName));
    choice.hInstance = reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(stored.hInstance));
    choice.lpszStyle = reinterpret_cast<LPSTR>(static_cast<uintptr_t>(stored.lpszStyle));
    choice.nFontType = stored.nFontType;
    choice.nSizeMin = stored.nSizeMin;
    choice.nSizeMax = stored.nSizeMax;
    return choice;
}

template <typename T> static uint32_t Low32(T value) {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(value));
}

void StoreFontDialog(FontDialogBytes &stored, const CHOOSEFONTA &choice) {
    stored.lStructSize = sizeof(FontDialogBytes); // the stored block is the 32-bit structure
    stored.hwndOwner = Low32(choice.hwndOwner);
    stored.hDC = Low32(choice.hDC);
    stored.lpLogFont = Low32(choice.lpLogFont);
    stored.iPointSize = choice.iPointSize;
    stored.Flags = choice.Flags;
    stored.rgbColors = choice.rgbColors;
    stored.lCustData = static_cast<uint32_t>(choice.lCustData);
    stored.lpfnHook = Low32(choice.lpfnHook);
    stored.lpTemplateName = Low32(choice.lpTemplateName);
    stored.hInstance = Low32(choice.hInstance);
    stored.lpszStyle = Low32(choice.lpszStyle);
    stored.nFontType = choice.nFontType;
    stored.nSizeMin = choice.nSizeMin;
    stored.nSizeMax = choice.nSizeMax;
}
