// Date stamps for the memo input: the nine formats, and putting a stamp in front of a text.
#pragma once

#include "platform/local_time.h"
#include <cstddef>

constexpr int kStampFormatCount = 9;
// A stamp is at most 31 bytes in Shift-JIS; the room to spare covers years past 9999.
constexpr size_t kStampTextSize = 64;

// A local date and time as the clock gives it: month 1-12, day 1-31, hour 0-23.
// Writes the stamp of the format (0-8) into out. Returns false, leaving out untouched, for any
// other format. With fourDigitYear false the year is printed modulo 100, with a leading zero.
bool FormatDateStamp(int format, const LocalTime &time, bool fourDigitYear, char *out, size_t outSize);

// Copies at most 1023 bytes of text (of the given length) and a terminator into out, which
// holds 1024 bytes. The cut is byte-exact, as for every note text.
void CutToNoteText(const char *text, size_t length, char *out);

// out (1024 bytes) := the stamp, CR, LF and the text, cut at 1023 bytes.
void PrependStamp(const char *stamp, const char *text, char *out);
