#include "notes/date_macro.h"
#include "tests/sjis_words.h"

#include <gtest/gtest.h>

#include <string>

static std::string Drawn(int macro, const ClockReading &clock) {
    char out[1024];
    FormatDateMacro(macro, clock, out, sizeof out);
    return out;
}

// Sunday 6 December 2026, 07:05:09.
static const ClockReading kSunday2026 = {2026, 12, 0, 6, 7, 5, 9, 123};
// Saturday 5 March 2005, 23:59:00.
static const ClockReading kSaturday2005 = {2005, 3, 6, 5, 23, 59, 0, 0};

TEST(DateMacro, OnlyTheExactWholeTextIsAMacro) {
    EXPECT_EQ(DateMacroOf("$$" SJ_TAVLO "$$DATE1$$"), 1);
    EXPECT_EQ(DateMacroOf("$$" SJ_TAVLO "$$DATE2$$"), 2);
    EXPECT_EQ(DateMacroOf("$$" SJ_TAVLO "$$DATE3$$"), 3);
    EXPECT_EQ(DateMacroOf("$$" SJ_TAVLO "$$DATE2$$\r\n"), 0);
    EXPECT_EQ(DateMacroOf("$$" SJ_TAVLO "$$DATE2$$ "), 0);
    EXPECT_EQ(DateMacroOf(" $$" SJ_TAVLO "$$DATE2$$"), 0);
    EXPECT_EQ(DateMacroOf("$$" SJ_TAVLO "$$date2$$"), 0);
    EXPECT_EQ(DateMacroOf("$$" SJ_TAVLO "$$DATE4$$"), 0);
    EXPECT_EQ(DateMacroOf(""), 0);
}

TEST(DateMacro, FormatsOfTheThreeMacros) {
    EXPECT_EQ(Drawn(3, kSunday2026), "26" SJ_YEAR " 12" SJ_MONTH " 6" SJ_DAY " [" SJ_DAY "]    ");
    EXPECT_EQ(Drawn(2, kSunday2026),
              "26" SJ_YEAR " 12" SJ_MONTH " 6" SJ_DAY " [" SJ_DAY "]   7" SJ_HOUR " 05" SJ_MINUTE "    ");
    EXPECT_EQ(Drawn(1, kSunday2026), "26" SJ_YEAR " 12" SJ_MONTH " 6" SJ_DAY " [" SJ_DAY "]   7" SJ_HOUR
                                     " 05" SJ_MINUTE " 09" SJ_SECOND "      ");
}

TEST(DateMacro, TwoDigitFieldsAndTheYearWithoutLeadingZero) {
    EXPECT_EQ(Drawn(1, kSaturday2005), "5" SJ_YEAR " 3" SJ_MONTH " 5" SJ_DAY " [" SJ_SATURDAY "]  23" SJ_HOUR
                                       " 59" SJ_MINUTE " 00" SJ_SECOND "      ");
    EXPECT_EQ(Drawn(3, ClockReading{2000, 1, 6, 1, 0, 0, 0, 0}),
              "0" SJ_YEAR " 1" SJ_MONTH " 1" SJ_DAY " [" SJ_SATURDAY "]    ");
    EXPECT_EQ(Drawn(2, ClockReading{2099, 10, 1, 31, 0, 0, 0, 0}),
              "99" SJ_YEAR " 10" SJ_MONTH " 31" SJ_DAY " [" SJ_MONTH "]   0" SJ_HOUR " 00" SJ_MINUTE "    ");
}

TEST(DateMacro, DayNamesFromSunday) {
    const char *expected[7] = {
        "[\x93\xfa]", "[\x8c\x8e]", "[\x89\xce]", "[\x90\x85]",
        "[\x96\xd8]", "[\x8b\xe0]", "[\x93\x79]"}; // [日] / [月] / [火] / [水] / [木] / [金] / [土]
    for (uint16_t day = 0; day < 7; ++day) {
        ClockReading clock = kSunday2026;
        clock.dayOfWeek = day;
        EXPECT_NE(Drawn(3, clock).find(expected[day]), std::string::npos) << "day " << day;
    }
}
