#include "textio/date_stamp.h"
#include "tests/sjis_words.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

static std::string Stamp(int format, const LocalTime &time, bool fourDigitYear = false) {
    char out[kStampTextSize] = "unchanged";
    FormatDateStamp(format, time, fourDigitYear, out, sizeof out);
    return out;
}

static const LocalTime kMorning = {2026, 12, 6, 7, 5, 9}; // 6 Dec 2026 07:05:09

TEST(DateStamp, TheNineFormatsWithATwoDigitYear) {
    EXPECT_EQ(Stamp(0, kMorning), "26" SJ_YEAR " 12" SJ_MONTH " 6" SJ_DAY);
    EXPECT_EQ(Stamp(1, kMorning), "26" SJ_YEAR " 12" SJ_MONTH " 6" SJ_DAY " 7" SJ_HOUR " 5" SJ_MINUTE);
    EXPECT_EQ(Stamp(2, kMorning),
              "26" SJ_YEAR " 12" SJ_MONTH " 6" SJ_DAY " 7" SJ_HOUR " 5" SJ_MINUTE " 09" SJ_SECOND);
    EXPECT_EQ(Stamp(3, kMorning), "26/12/06");
    EXPECT_EQ(Stamp(4, kMorning), "26/12/06 7:05");
    EXPECT_EQ(Stamp(5, kMorning), "26/12/06 7:05:09");
    EXPECT_EQ(Stamp(6, kMorning), "12/06/26");
    EXPECT_EQ(Stamp(7, kMorning), "12/06/26 7:05am");
    EXPECT_EQ(Stamp(8, kMorning), "12/06/26 7:05:09am");
}

TEST(DateStamp, TwelveHourFormatsCountNoonAndMidnightAsZero) {
    const LocalTime noon = {2026, 12, 6, 12, 30, 0};
    const LocalTime midnight = {2026, 12, 6, 0, 10, 0};
    const LocalTime evening = {2026, 12, 6, 23, 59, 58};
    EXPECT_EQ(Stamp(7, noon), "12/06/26 0:30pm");
    EXPECT_EQ(Stamp(7, midnight), "12/06/26 0:10am");
    EXPECT_EQ(Stamp(8, evening), "12/06/26 11:59:58pm");
    EXPECT_EQ(Stamp(4, evening), "26/12/06 23:59") << "the 24-hour formats keep the hour";
}

TEST(DateStamp, FourDigitYearsPrintWhole) {
    EXPECT_EQ(Stamp(3, kMorning, true), "2026/12/06");
    EXPECT_EQ(Stamp(6, kMorning, true), "12/06/2026");
    EXPECT_EQ(Stamp(0, kMorning, true), "2026" SJ_YEAR " 12" SJ_MONTH " 6" SJ_DAY);
    const LocalTime latest = {2026, 12, 31, 23, 59, 59};
    EXPECT_EQ(Stamp(2, latest, true),
              "2026" SJ_YEAR " 12" SJ_MONTH " 31" SJ_DAY " 23" SJ_HOUR " 59" SJ_MINUTE " 59" SJ_SECOND);
}

TEST(DateStamp, TwoDigitYearKeepsItsLeadingZero) {
    const LocalTime january = {2005, 1, 9, 8, 0, 0};
    EXPECT_EQ(Stamp(0, january), "05" SJ_YEAR " 1" SJ_MONTH " 9" SJ_DAY);
    EXPECT_EQ(Stamp(6, january), "1/09/05");
    const LocalTime turn = {2000, 1, 1, 0, 0, 0};
    EXPECT_EQ(Stamp(3, turn), "00/01/01");
}

TEST(DateStamp, AnIndexOutsideTheListLeavesTheStampAsItWas) {
    char out[kStampTextSize] = "previous";
    EXPECT_FALSE(FormatDateStamp(9, kMorning, false, out, sizeof out));
    EXPECT_FALSE(FormatDateStamp(-1, kMorning, false, out, sizeof out));
    EXPECT_STREQ(out, "previous");
}

TEST(DateStamp, StampGoesInFrontWithCrLf) {
    char out[1024];
    PrependStamp("26/12/06 7:05", "abc", out);
    EXPECT_STREQ(out, "26/12/06 7:05\r\nabc");
    PrependStamp("26/12/06", "", out);
    EXPECT_STREQ(out, "26/12/06\r\n");
}

TEST(DateStamp, StampAndTextAreCutAt1023Bytes) {
    const std::string text(1023, 'x');
    char out[1024];
    std::memset(out, 0x7F, sizeof out);
    PrependStamp("26/12/06", text.c_str(), out);
    const std::string expected = "26/12/06\r\n" + std::string(1023 - 10, 'x');
    EXPECT_EQ(std::strlen(out), 1023u);
    EXPECT_EQ(std::string(out), expected) << "the end of the old text is lost";
}

TEST(DateStamp, CutKeepsShortTextsAndCutsLongOnesByteExact) {
    char out[1024];
    CutToNoteText("hello", 5, out);
    EXPECT_STREQ(out, "hello");
    const std::string exact(1023, 'a');
    CutToNoteText(exact.data(), exact.size(), out);
    EXPECT_EQ(std::string(out), exact);
    const std::string longer = std::string(1022, 'a') + "bc";
    CutToNoteText(longer.data(), longer.size(), out);
    EXPECT_EQ(std::string(out), std::string(1022, 'a') + "b");
}
