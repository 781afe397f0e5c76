// What a paste makes of the clipboard's text. No platform headers here.
#pragma once
#include <cstddef>

#include "store/note_record.h"

// The clipboard text, cut byte-exact at 1023 bytes even inside a double-byte character, becomes
// the note's text. It is measured within its block, so a text without a terminator is safe, and
// the rest of the field is cleared, so no old text stays behind in the file.
void TakeClipboardText(char (&field)[kTextSize], const char *text, size_t blockSize);
