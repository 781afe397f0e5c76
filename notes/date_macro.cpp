#include "notes/date_macro.h"

#include <cstdio>
#include <cstring>

const char *const dayOfWeekNames[7] = {"日", "月", "火", "水", "木", "金", "土"};

static const char *const kMacroTexts[3] = {"$$タヴロ$$DATE1$$", "$$タヴロ$$DATE2$$", "$$タヴロ$$DATE3$$"};

// The trailing blanks are part of each format, as the note has always drawn them.
static const char *const kMacroFormats[3] = {
    "%d年 %d月 %d日 [%s]  %2d時 %02d分 %02d秒      ",
    "%d年 %d月 %d日 [%s]  %2d時 %02d分    ",
    "%d年 %d月 %d日 [%s]    ",
};

int DateMacroOf(const char *text) {
    for (int i = 0; i < 3; ++i)
        if (std::strcmp(text, kMacroTexts[i]) == 0) return i + 1;
    return 0;
}

void FormatDateMacro(int macro, const ClockReading &clock, char *out, size_t outSize) {
    if (outSize == 0) return;
    if (macro < 1 || macro > 3) {
        out[0] = '\0';
        return;
    }
    // The shorter formats leave the trailing arguments unused.
    const char *day = dayOfWeekNames[clock.dayOfWeek % 7];
    std::snprintf(out, outSize, kMacroFormats[macro - 1], clock.year % 100, clock.month, clock.day, day,
                  clock.hour, clock.minute, clock.second);
}
