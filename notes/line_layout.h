// Breaks a note's text into the lines the painter draws, given a way to measure a string.
#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "platform/shift_jis.h"

// Width in pixels of the first `length` bytes of `text` in the font being drawn with.
using MeasureWidth = std::function<int(const char *text, size_t length)>;
using LeadBytePredicate = bool (*)(unsigned char byte);

// A line ends at CR LF or the end of the text; a TAB becomes one blank. With wrapping, a line
// also ends before the character that would make it wider than widthLimit, unless that
// character is the first of its line; a double-byte character is never split. At most
// maxBytes bytes of text are read, so an unterminated field cannot be overrun.
std::vector<std::string> LayOutLines(const char *text, size_t maxBytes, bool wrap, int widthLimit,
                                     const MeasureWidth &measure, LeadBytePredicate isLeadByte);
