// Shift-JIS (code page 932) as bytes. No platform headers here: the system's own test follows the
// system's code page, which need not be this one.
#pragma once

// True for a byte that starts a double-byte character.
inline bool IsCp932LeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
