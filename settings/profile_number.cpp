#include "settings/profile_number.h"

#include <cstdio>

static bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

int32_t ParseProfileNumber(const char *text) {
    while (IsSpace(*text))
        ++text;
    bool negative = false;
    if (*text == '+' || *text == '-') negative = *text++ == '-';
    uint32_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text)
        value = value * 10u + static_cast<uint32_t>(*text - '0');
    if (negative) value = 0u - value;
    return static_cast<int32_t>(value);
}

void FormatProfileNumber(int32_t value, char *out) {
    std::snprintf(out, 12, "%ld", static_cast<long>(value));
}
