// Shift-JIS (code page 932) as bytes. No platform headers here: the system's own test follows the
// system's code page, which need not be this one.
#pragma once
#include <cstddef>

// True for a byte that starts a double-byte character.
inline bool IsCp932LeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// The length of the longest start of the text that is at most maxBytes long and does not end
// inside a double-byte character; a lead byte that ends the text is a character of its own.
inline size_t WholeCharactersWithin(const char *text, size_t length, size_t maxBytes) {
    size_t end = 0;
    while (end < length) {
        const size_t step = IsCp932LeadByte(static_cast<unsigned char>(text[end])) && end + 1 < length ? 2 : 1;
        if (end + step > maxBytes) break;
        end += step;
    }
    return end;
}
