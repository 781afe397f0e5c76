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
    EXPECT_EQ(DateMacroOf("$$\x83\x5e\x83\x94\x83\x8d$$DATE1$$"), 1);     // $$タヴロ$$DATE1$$
    EXPECT_EQ(DateMacroOf("$$\x83\x5e\x83\x94\x83\x8d$$DATE2$$"), 2);     // $$タヴロ$$DATE2$$
    EXPECT_EQ(DateMacroOf("$$\x83\x5e\x83\x94\x83\x8d$$DATE3$$"), 3);     // $$タヴロ$$DATE3$$
    EXPECT_EQ(DateMacroOf("$$\x83\x5e\x83\x94\x83\x8d$$DATE2$$\r\n"), 0); // $$タヴロ$$DATE2$$\r\n
    EXPECT_EQ(DateMacroOf("$$\x83\x5e\x83\x94\x83\x8d$$DATE2$$ "), 0);    // $$タヴロ$$DATE2$$
    EXPECT_EQ(DateMacroOf(" $$\x83\x5e\x83\x94\x83\x8d$$DATE2$$"), 0);    // $$タヴロ$$DATE2$$
    EXPECT_EQ(DateMacroOf("$$\x83\x5e\x83\x94\x83\x8d$$date2$$"), 0);     // $$タヴロ$$date2$$
    EXPECT_EQ(DateMacroOf("$$\x83\x5e\x83\x94\x83\x8d$$DATE4$$"), 0);     // $$タヴロ$$DATE4$$
    EXPECT_EQ(DateMacroOf(""), 0);
}

TEST(DateMacro, FormatsOfTheThreeMacros) {
    EXPECT_EQ(Drawn(3, kSunday2026), "26\x94\x4e 12\x8c\x8e 6\x93\xfa [\x93\xfa]    "); // 26年 12月 6日 [日]
    EXPECT_EQ(Drawn(2, kSunday2026),
              "26\x94\x4e 12\x8c\x8e 6\x93\xfa [\x93\xfa]   7\x8e\x9e 05\x95\xaa    "); // 26年 12月 6日 [日]
                                                                                        // 7時 05分
    EXPECT_EQ(
        Drawn(1, kSunday2026),
        "26\x94\x4e 12\x8c\x8e 6\x93\xfa [\x93\xfa]   7\x8e\x9e 05\x95\xaa 09\x95\x62      "); // 26年 12月
                                                                                               // 6日 [日] 7時
                                                                                               // 05分 09秒
}

TEST(DateMacro, TwoDigitFieldsAndTheYearWithoutLeadingZero) {
    EXPECT_EQ(
        Drawn(1, kSaturday2005),
        "5\x94\x4e 3\x8c\x8e 5\x93\xfa [\x93\x79]  23\x8e\x9e 59\x95\xaa 00\x95\x62      "); // 5年 3月 5日
                                                                                             // [土]  23時
                                                                                             // 59分 00秒
    EXPECT_EQ(Drawn(3, ClockReading{2000, 1, 6, 1, 0, 0, 0, 0}),
              "0\x94\x4e 1\x8c\x8e 1\x93\xfa [\x93\x79]    "); // 0年 1月 1日 [土]
    EXPECT_EQ(Drawn(2, ClockReading{2099, 10, 1, 31, 0, 0, 0, 0}),
              "99\x94\x4e 10\x8c\x8e 31\x93\xfa [\x8c\x8e]   0\x8e\x9e 00\x95\xaa    "); // 99年 10月 31日
                                                                                         // [月]   0時 00分
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
