#include "notes/note_font.h"

#include "platform/wide_text.h"
#include "store/note_record.h"

#include <cstring>

// Each note keeps the font it was last drawn in until its LOGFONT changes: the clock repaints its
// notes every second, and a font made for one paint is work thrown away. One GDI font per note.
struct NoteFont {
    HWND window;
    LOGFONTA description;
    HFONT font;
};
static NoteFont noteFonts[kTableSlots];

static void ReleaseFont(NoteFont &entry) {
    if (entry.font) DeleteObject(entry.font);
    entry = NoteFont{};
}

// The entry of the window, or a free one; when every entry is taken the first is given up, and
// its note makes its font again at its next paint.
static NoteFont &FontEntryOf(HWND window) {
    NoteFont *free = nullptr;
    for (NoteFont &entry : noteFonts) {
        if (entry.window == window) return entry;
        if (!entry.window && !free) free = &entry;
    }
    if (!free) {
        free = &noteFonts[0];
        ReleaseFont(*free);
    }
    free->window = window;
    return *free;
}

HFONT NoteFontOf(HWND window, const LOGFONTA &description) {
    NoteFont &entry = FontEntryOf(window);
    if (entry.font && std::memcmp(&entry.description, &description, sizeof description) == 0)
        return entry.font;
    if (entry.font) DeleteObject(entry.font);
    const LOGFONTW wide = WideLogFont(description);
    entry.description = description;
    entry.font = CreateFontIndirectW(&wide);
    return entry.font;
}

void ForgetNoteFont(HWND window) {
    for (NoteFont &entry : noteFonts)
        if (entry.window == window) ReleaseFont(entry);
}
