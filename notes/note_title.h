// The window title of a note, which its taskbar button shows.
#pragma once
#include <cstddef>
#include <string>

// "タヴロ - " followed by the stored text, read up to its NUL or maxBytes bytes, on one line.
std::string NoteTitle(const char *text, size_t maxBytes);
