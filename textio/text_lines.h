// Splitting a note text into the lines the log and the export write one at a time.
#pragma once
#include <cstddef>

// The length of a note text: up to its NUL, never past the 1023 bytes every text is cut at.
size_t NoteTextLength(const char *text);

// Where the line starting at `start` ends: just past its CR LF pair, or at the end of the text.
// A lone CR or LF belongs to the line. CR and LF are never trail bytes of Shift-JIS characters,
// so the bytes can be scanned one by one.
size_t LineEnd(const char *text, size_t length, size_t start);
