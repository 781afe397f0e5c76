#include "textio/log_format.h"

#include <cstdio>

int FormatLogHeader(char *out, size_t size, const LocalTime &time) {
    // The full year goes through "%02d", so it is written with all its digits.
    const int length = std::snprintf(out, size, "\f----- %02d/%02d/%02d %02d:%02d.%02d -----\n", time.year,
                                     time.month, time.day, time.hour, time.minute, time.second);
    if (length < 0 || size == 0) return 0;
    return static_cast<size_t>(length) < size ? length : static_cast<int>(size - 1);
}
