// The byte layout of the history log: each entry is a header line, the note's text and a line feed.
#pragma once

#include "platform/local_time.h"
#include <cstddef>

constexpr char kEntryStart = '\f';                    // a form feed starts every entry
constexpr int kLogHeaderSize = 33;                    // the header with a four-digit year
constexpr int kLogEntryOverhead = kLogHeaderSize + 1; // header and the closing line feed

// Writes the entry header for this local time into out (NUL-terminated when size allows) and
// returns the length written (cut to fit): form feed, "----- 1997/01/05 14:03.27 -----", line feed.
int FormatLogHeader(char *out, size_t size, const LocalTime &time);
