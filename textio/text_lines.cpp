#include "textio/text_lines.h"

#include "store/note_record.h"

#include <cstring>

size_t NoteTextLength(const char *text) {
    return strnlen(text, kMaxTextBytes);
}

size_t LineEnd(const char *text, size_t length, size_t start) {
    for (size_t i = start; i + 1 < length; ++i) {
        if (text[i] == '\r' && text[i + 1] == '\n') return i + 2;
    }
    return length;
}
