#include "notes/note_title.h"

static const char kTitlePrefix[] = "タヴロ - ";

std::string NoteTitle(const char *text, size_t maxBytes) {
    std::string title = kTitlePrefix;
    // A title is one line, so each line break shows as one blank (CR LF counts as one break).
    // Shift-JIS trail bytes are never CR or LF, so a byte-wise scan cannot split a character.
    for (size_t p = 0; p < maxBytes && text[p] != '\0'; ++p) {
        const char c = text[p];
        if (c == '\r' && p + 1 < maxBytes && text[p + 1] == '\n') ++p;
        title += (c == '\r' || c == '\n') ? ' ' : c;
    }
    return title;
}
