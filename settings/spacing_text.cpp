#include "settings/spacing_text.h"

static bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
static bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The number's magnitude stops growing past the range, so long numbers cannot overflow.
static int ClampedNumber(const char *&p) {
    int magnitude = 0;
    for (; IsDigit(*p); ++p)
        if (magnitude <= kMaxSpacing) magnitude = magnitude * 10 + (*p - '0');
    return magnitude;
}

int SpacingFromText(const char *text) {
    const char *p = text;
    while (IsBlank(*p))
        ++p;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    if (!IsDigit(*p)) return 0;
    const int magnitude = ClampedNumber(p);
    while (IsBlank(*p))
        ++p;
    if (*p != '\0') return 0; // "12abc" is not a number
    if (negative) return 0;
    return magnitude > kMaxSpacing ? kMaxSpacing : magnitude;
}
