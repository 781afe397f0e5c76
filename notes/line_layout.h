// Breaks a note's text into the lines the painter draws, given a way to measure a line.
#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "platform/shift_jis.h"

// The widths in pixels, in the font being drawn with, of the prefixes of `line` that end at each
// of `ends` (rising byte counts, each after a whole character): one measurement for many
// prefixes, as the platform gives the extent of every character of a string in one call.
using MeasurePrefixes =
    std::function<std::vector<int>(const std::string &line, const std::vector<size_t> &ends)>;
using LeadBytePredicate = bool (*)(unsigned char byte);

// A line ends at CR LF or the end of the text; a TAB becomes one blank. With wrapping, a line
// also ends before the character that would make it wider than widthLimit, unless that
// character is the first of its line; a double-byte character is never split. At most
// maxBytes bytes of text are read, so an unterminated field cannot be overrun.
std::vector<std::string> LayOutLines(const char *text, size_t maxBytes, bool wrap, int widthLimit,
                                     const MeasurePrefixes &measure, LeadBytePredicate isLeadByte);
