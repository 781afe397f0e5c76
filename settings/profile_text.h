// The settings file read and written over its bytes, as the platform's profile functions do, but
// always in Shift-JIS: the platform reads a file without a BOM in the system's code page, which
// misreads the Japanese section and key names on any other Windows.
//
// Lines end at CR LF, LF or a lone CR. "[name]" starts a section; "name=value" is a key of the
// section above it. Names are matched without regard to the case of ASCII letters; double-byte
// characters are compared exactly. All names, values and the file are Shift-JIS bytes.
#pragma once
#include <cstddef>
#include <string>

// The value of the key in the first section of that name, without the blanks around it and
// without a pair of enclosing quotes; `missing` when that section has no such key. At most
// maxBytes - 1 bytes are returned, never cut inside a double-byte character.
std::string ProfileValue(const std::string &file, const char *section, const char *key, const char *missing,
                         size_t maxBytes);

// Sets key=value in the first section of that name, changing no other byte of the file: an
// existing key line is rewritten in place, a new key goes after the section's last non-blank
// line, and a new section goes at the end.
void SetProfileValue(std::string &file, const char *section, const char *key, const char *value);
