// Copy and paste of a note's text: Unicode text for every program, and the Shift-JIS bytes
// themselves with their locale, so that nothing is lost between copies of this program.
#include "app/commands.h"

#include "app/clipboard_text.h"
#include "platform/shift_jis.h"
#include "platform/wide_text.h"
#include "store/note_table.h"
#include "textio/text_lines.h"

#include <cstring>
#include <string>

// The locale of the Shift-JIS text, so that the platform converts it with code page 932.
constexpr LCID kJapanese = MAKELCID(MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), SORT_DEFAULT); // 0x0411

// A movable block of the given size, zero-filled, starting with the bytes; null when no memory
// is to be had.
static HGLOBAL BlockOf(const void *bytes, size_t size, size_t blockSize) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, blockSize);
    if (!block) return nullptr;
    void *data = GlobalLock(block);
    if (!data) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(data, bytes, size);
    GlobalUnlock(block);
    return block;
}

// The clipboard owns a block once it has taken it; a refused block is still ours to free.
static void Offer(UINT format, HGLOBAL block) {
    if (block && !SetClipboardData(format, block)) GlobalFree(block);
}

// The whole text field and one zero byte more, so that it always ends in a terminator.
int CopyNoteText(HWND window) {
    if (!OpenClipboard(window)) return 0;
    const NoteRecord &note = NoteTable[FindNote(window)];
    HGLOBAL text = BlockOf(note.text, kTextSize, kTextSize + 1);
    if (!text) {
        CloseClipboard(); // the clipboard keeps what it held
        return 0;
    }
    const std::wstring wide = Wide(note.text, NoteTextLength(note.text));
    EmptyClipboard();
    Offer(CF_UNICODETEXT,
          BlockOf(wide.c_str(), wide.size() * sizeof(wchar_t), (wide.size() + 1) * sizeof(wchar_t)));
    Offer(CF_TEXT, text);
    Offer(CF_LOCALE, BlockOf(&kJapanese, sizeof kJapanese, sizeof kJapanese));
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

// Shift-JIS bytes, cut at 1023 bytes on a character boundary.
static void TakeShiftJisText(HWND window, const char *text, size_t blockSize) {
    TakeText(window, text, WholeCharactersWithin(text, strnlen(text, blockSize), kMaxTextBytes));
}

// Unicode text becomes Shift-JIS, a character without a code there what the conversion makes of
// it.
static void TakeUnicodeText(HWND window, const wchar_t *text, size_t blockSize) {
    const std::string narrow = Narrow(text, wcsnlen(text, blockSize / sizeof(wchar_t)));
    TakeShiftJisText(window, narrow.c_str(), narrow.size() + 1);
}

// True when the clipboard's plain text is in Shift-JIS: its locale's code page is 932, as this
// program and every Japanese program put it there.
static bool PlainTextIsShiftJis() {
    HANDLE data = GetClipboardData(CF_LOCALE);
    const auto *locale = data ? static_cast<const LCID *>(GlobalLock(data)) : nullptr;
    if (!locale) return false;
    const LCID lcid = GlobalSize(data) >= sizeof(LCID) ? *locale : 0;
    GlobalUnlock(data);
    DWORD codePage = 0;
    return lcid &&
           GetLocaleInfoW(lcid, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                          reinterpret_cast<LPWSTR>(&codePage), sizeof codePage / sizeof(wchar_t)) &&
           codePage == 932;
}

// The Shift-JIS bytes themselves when the clipboard has them: through UTF-16 some codes would come
// back as others (the NEC and IBM duplicates). Otherwise Unicode text when it is offered, else
// the bytes of plain text.
static UINT PasteFormat() {
    const bool plain = IsClipboardFormatAvailable(CF_TEXT);
    if (plain && PlainTextIsShiftJis()) return CF_TEXT;
    if (IsClipboardFormatAvailable(CF_UNICODETEXT)) return CF_UNICODETEXT;
    return plain ? CF_TEXT : 0;
}

int PasteNoteText(HWND window) {
    if (!OpenClipboard(window)) return 0;
    const UINT format = PasteFormat();
    HANDLE data = format ? GetClipboardData(format) : nullptr;
    if (const void *text = data ? GlobalLock(data) : nullptr) {
        if (format == CF_UNICODETEXT)
            TakeUnicodeText(window, static_cast<const wchar_t *>(text), GlobalSize(data));
        else
            TakeShiftJisText(window, static_cast<const char *>(text), GlobalSize(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return 1;
}
