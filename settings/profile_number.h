// Numbers in the settings file: read leniently, written plainly.
#pragma once
#include <cstdint>

constexpr int kProfileValueSize = 128;

// Skips leading white space, takes one optional sign and the decimal digits after it; no digits
// give 0. There is no overflow check: the value wraps as a 32-bit number.
int32_t ParseProfileNumber(const char *text);

// Decimal with a leading minus for negative values; out needs 12 bytes.
void FormatProfileNumber(int32_t value, char *out);
