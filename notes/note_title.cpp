#include "notes/note_title.h"

static const char kTitlePrefix[] = "タヴロ - ";

std::string NoteTitle(const char *text, size_t maxBytes) {
    std::string title = kTitlePrefix;
    // A title is one line: each line break (CR LF counting as one) and each other control
    // byte, a tab say, shows as one blank. Shift-JIS trail bytes are never below 0x40, so a
    // byte-wise scan cannot split a character.
    for (size_t p = 0; p < maxBytes && text[p] != '\0'; ++p) {
        const unsigned char c = static_cast<unsigned char>(text[p]);
        if (c == '\r' && p + 1 < maxBytes && text[p + 1] == '\n') ++p;
        title += c < 0x20 ? ' ' : static_cast<char>(c);
    }
    return title;
}
