#include "notes/date_macro.h"

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
    EXPECT_EQ(DateMacroOf("$$タヴロ$$DATE1$$"), 1);
    EXPECT_EQ(DateMacroOf("$$タヴロ$$DATE2$$"), 2);
    EXPECT_EQ(DateMacroOf("$$タヴロ$$DATE3$$"), 3);
    EXPECT_EQ(DateMacroOf("$$タヴロ$$DATE2$$\r\n"), 0);
    EXPECT_EQ(DateMacroOf("$$タヴロ$$DATE2$$ "), 0);
    EXPECT_EQ(DateMacroOf(" $$タヴロ$$DATE2$$"), 0);
    EXPECT_EQ(DateMacroOf("$$タヴロ$$date2$$"), 0);
    EXPECT_EQ(DateMacroOf("$$タヴロ$$DATE4$$"), 0);
    EXPECT_EQ(DateMacroOf(""), 0);
}

TEST(DateMacro, FormatsOfTheThreeMacros) {
    EXPECT_EQ(Drawn(3, kSunday2026), "26年 12月 6日 [日]    ");
    EXPECT_EQ(Drawn(2, kSunday2026), "26年 12月 6日 [日]   7時 05分    ");
    EXPECT_EQ(Drawn(1, kSunday2026), "26年 12月 6日 [日]   7時 05分 09秒      ");
}

TEST(DateMacro, TwoDigitFieldsAndTheYearWithoutLeadingZero) {
    EXPECT_EQ(Drawn(1, kSaturday2005), "5年 3月 5日 [土]  23時 59分 00秒      ");
    EXPECT_EQ(Drawn(3, ClockReading{2000, 1, 6, 1, 0, 0, 0, 0}), "0年 1月 1日 [土]    ");
    EXPECT_EQ(Drawn(2, ClockReading{2099, 10, 1, 31, 0, 0, 0, 0}), "99年 10月 31日 [月]   0時 00分    ");
}

TEST(DateMacro, DayNamesFromSunday) {
    const char *expected[7] = {"[日]", "[月]", "[火]", "[水]", "[木]", "[金]", "[土]"};
    for (uint16_t day = 0; day < 7; ++day) {
        ClockReading clock = kSunday2026;
        clock.dayOfWeek = day;
        EXPECT_NE(Drawn(3, clock).find(expected[day]), std::string::npos) << "day " << day;
    }
}
