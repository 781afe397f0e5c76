#include "app/switches.h"

#include <cstring>

static void UpperCaseAscii(char *text) {
    for (unsigned char *p = reinterpret_cast<unsigned char *>(text); *p; ++p)
        if (*p >= 'a' && *p <= 'z') *p = static_cast<unsigned char>(*p - 0x20);
}

bool HasSwitch(char *tail, const char *switchText) {
    UpperCaseAscii(tail);
    // A longer tail is cut to the copy's size rather than written past it.
    char copy[kSwitchCopySize];
    std::strncpy(copy, tail, sizeof copy - 1);
    copy[sizeof copy - 1] = '\0';

    const size_t length = std::strlen(copy);
    const size_t switchLength = std::strlen(switchText);
    for (size_t i = 0; i + switchLength <= length; ++i) {
        if (std::memcmp(copy + i, switchText, switchLength) != 0) continue;
        const char after = copy[i + switchLength];
        if (after == ' ' || after == '\0') return true;
    }
    return false;
}
