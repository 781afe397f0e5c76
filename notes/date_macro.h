// The three date macros: note texts that show the running date and time under /TIMER.
#pragma once
#include <cstddef>
#include <cstdint>

// Mirror of the platform's SYSTEMTIME: one reading of the local clock.
struct ClockReading {
    uint16_t year, month, dayOfWeek, day, hour, minute, second, milliseconds;
};

// Day names in brackets, indexed by day of week, Sunday = 0.
extern const char *const dayOfWeekNames[7];

// 1, 2 or 3 when the whole text is that macro, 0 when it is ordinary text.
int DateMacroOf(const char *text);

// Writes the drawn text of macro 1, 2 or 3 for the reading into out (always NUL-terminated).
void FormatDateMacro(int macro, const ClockReading &clock, char *out, size_t outSize);
