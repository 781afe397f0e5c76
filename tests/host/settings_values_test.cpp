#include "settings/profile_number.h"
#include "tests/sjis_words.h"
#include "settings/settings.h"
#include "settings/settings_table.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

TEST(ProfileNumber, ReadsLikeTheFileExpects) {
    EXPECT_EQ(ParseProfileNumber("12"), 12);
    EXPECT_EQ(ParseProfileNumber("  \t-7"), -7);
    EXPECT_EQ(ParseProfileNumber("+5"), 5);
    EXPECT_EQ(ParseProfileNumber("12abc"), 12);
    EXPECT_EQ(ParseProfileNumber("abc"), 0);
    EXPECT_EQ(ParseProfileNumber(""), 0);
    EXPECT_EQ(ParseProfileNumber("- 3"), 0);
    EXPECT_EQ(ParseProfileNumber("4294967297"), 1) << "no overflow check: wraps at 32 bits";
}

TEST(ProfileNumber, WritesPlainDecimal) {
    char out[12];
    FormatProfileNumber(-2147483647 - 1, out);
    EXPECT_STREQ(out, "-2147483648");
    FormatProfileNumber(63, out);
    EXPECT_STREQ(out, "63");
}

static const SettingEntry &Entry(const char *key) {
    for (const SettingEntry &e : kSettingEntries)
        if (std::strcmp(e.key, key) == 0) return e;
    throw std::runtime_error(key);
}

TEST(SettingsTable, RangedKeysKeepTheirValueWhenOutOfRange) {
    arrangeCorner = 4021;
    ApplySettingValue(Entry(SJ_PLACE), "4");
    EXPECT_EQ(arrangeCorner, 4021);
    ApplySettingValue(Entry(SJ_PLACE), "-1");
    EXPECT_EQ(arrangeCorner, 4021);
    ApplySettingValue(Entry(SJ_PLACE), "3");
    EXPECT_EQ(arrangeCorner, 4023);

    noteSpacing = 3;
    ApplySettingValue(Entry(SJ_SPACING), "64");
    EXPECT_EQ(noteSpacing, 3);
    ApplySettingValue(Entry(SJ_SPACING), "63");
    EXPECT_EQ(noteSpacing, 63);
    ApplySettingValue(Entry(SJ_SPACING), "12px");
    EXPECT_EQ(noteSpacing, 12);

    ApplySettingValue(Entry(SJ_SORT_ORDER), "1");
    EXPECT_EQ(sortOrder, 1026);
    sortKey = 1022;
    ApplySettingValue(Entry(SJ_SORT_KEY), "3");
    EXPECT_EQ(sortKey, 1022);
}

TEST(SettingsTable, FlagsTakeAnyIntegerAndWriteItBack) {
    ApplySettingValue(Entry(SJ_CREATION_PLACE), "5");
    EXPECT_EQ(inheritPosition, 5);
    char out[12];
    FormatSettingValue(Entry(SJ_CREATION_PLACE), out);
    EXPECT_STREQ(out, "5");
    arrangeDirection = 4033;
    FormatSettingValue(Entry(SJ_DIRECTION), out);
    EXPECT_STREQ(out, "3") << "stored as the offset from its base";
}

TEST(SettingsTable, WriteOrderPutsArrangeAtOnceBeforeFromFirst) {
    std::string order;
    for (int i : kSettingWriteOrder)
        order += std::string(kSettingEntries[i].key) + ",";
    EXPECT_EQ(order, SJ_CREATION_PLACE
              "," SJ_DISPLAY_MODE "," SJ_TASKBAR "," SJ_BACK_COLOR "," SJ_FONT "," SJ_WRAP "," SJ_OPEN_FIRST
              "," SJ_MEMO_INPUT "," SJ_PLACE "," SJ_DIRECTION "," SJ_SPACING "," SJ_ARRANGE_AT_ONCE
              "," SJ_FROM_FIRST "," SJ_SORT_KEY "," SJ_SORT_ORDER "," SJ_LOG "," SJ_IME ",");
}

TEST(SettingsTable, BitmapPathIsReadAsTextAndCut) {
    std::string longPath(400, 'p');
    ApplySettingValue(Entry(SJ_BACKGROUND "BMP"), longPath.c_str());
    EXPECT_EQ(std::strlen(backgroundBitmapPath), 259u);
}
