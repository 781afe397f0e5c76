#include "settings/profile_number.h"
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
    ApplySettingValue(Entry("位置"), "4");
    EXPECT_EQ(arrangeCorner, 4021);
    ApplySettingValue(Entry("位置"), "-1");
    EXPECT_EQ(arrangeCorner, 4021);
    ApplySettingValue(Entry("位置"), "3");
    EXPECT_EQ(arrangeCorner, 4023);

    noteSpacing = 3;
    ApplySettingValue(Entry("間隔"), "64");
    EXPECT_EQ(noteSpacing, 3);
    ApplySettingValue(Entry("間隔"), "63");
    EXPECT_EQ(noteSpacing, 63);
    ApplySettingValue(Entry("間隔"), "12px");
    EXPECT_EQ(noteSpacing, 12);

    ApplySettingValue(Entry("ソート順"), "1");
    EXPECT_EQ(sortOrder, 1026);
    sortKey = 1022;
    ApplySettingValue(Entry("ソート方法"), "3");
    EXPECT_EQ(sortKey, 1022);
}

TEST(SettingsTable, FlagsTakeAnyIntegerAndWriteItBack) {
    ApplySettingValue(Entry("作成位置"), "5");
    EXPECT_EQ(inheritPosition, 5);
    char out[12];
    FormatSettingValue(Entry("作成位置"), out);
    EXPECT_STREQ(out, "5");
    arrangeDirection = 4033;
    FormatSettingValue(Entry("方向"), out);
    EXPECT_STREQ(out, "3") << "stored as the offset from its base";
}

TEST(SettingsTable, WriteOrderPutsArrangeAtOnceBeforeFromFirst) {
    std::string order;
    for (int i : kSettingWriteOrder)
        order += std::string(kSettingEntries[i].key) + ",";
    EXPECT_EQ(order, "作成位置,表示モード,タスクバー表示,背景色,フォント,折り返し,１枚目を開く,メモ入力,"
                     "位置,方向,間隔,すぐ整列,１枚目,ソート方法,ソート順,ログ,ＩＭＥ,");
}

TEST(SettingsTable, BitmapPathIsReadAsTextAndCut) {
    std::string longPath(400, 'p');
    ApplySettingValue(Entry("背景BMP"), longPath.c_str());
    EXPECT_EQ(std::strlen(backgroundBitmapPath), 259u);
}
