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
    ApplySettingValue(Entry("\x88\xca\x92\x75"), "4"); // 位置
    EXPECT_EQ(arrangeCorner, 4021);
    ApplySettingValue(Entry("\x88\xca\x92\x75"), "-1"); // 位置
    EXPECT_EQ(arrangeCorner, 4021);
    ApplySettingValue(Entry("\x88\xca\x92\x75"), "3"); // 位置
    EXPECT_EQ(arrangeCorner, 4023);

    noteSpacing = 3;
    ApplySettingValue(Entry("\x8a\xd4\x8a\x75"), "64"); // 間隔
    EXPECT_EQ(noteSpacing, 3);
    ApplySettingValue(Entry("\x8a\xd4\x8a\x75"), "63"); // 間隔
    EXPECT_EQ(noteSpacing, 63);
    ApplySettingValue(Entry("\x8a\xd4\x8a\x75"), "12px"); // 間隔
    EXPECT_EQ(noteSpacing, 12);

    ApplySettingValue(Entry("\x83\x5c\x81\x5b\x83\x67\x8f\x87"), "1"); // ソート順
    EXPECT_EQ(sortOrder, 1026);
    sortKey = 1022;
    ApplySettingValue(Entry("\x83\x5c\x81\x5b\x83\x67\x95\xfb\x96\x40"), "3"); // ソート方法
    EXPECT_EQ(sortKey, 1022);
}

TEST(SettingsTable, FlagsTakeAnyIntegerAndWriteItBack) {
    ApplySettingValue(Entry("\x8d\xec\x90\xac\x88\xca\x92\x75"), "5"); // 作成位置
    EXPECT_EQ(inheritPosition, 5);
    char out[12];
    FormatSettingValue(Entry("\x8d\xec\x90\xac\x88\xca\x92\x75"), out); // 作成位置
    EXPECT_STREQ(out, "5");
    arrangeDirection = 4033;
    FormatSettingValue(Entry("\x95\xfb\x8c\xfc"), out); // 方向
    EXPECT_STREQ(out, "3") << "stored as the offset from its base";
}

TEST(SettingsTable, WriteOrderPutsArrangeAtOnceBeforeFromFirst) {
    std::string order;
    for (int i : kSettingWriteOrder)
        order += std::string(kSettingEntries[i].key) + ",";
    EXPECT_EQ(
        order,
        "\x8d\xec\x90\xac\x88\xca\x92\x75,\x95\x5c\x8e\xa6\x83\x82\x81\x5b\x83\x68,"
        "\x83\x5e\x83\x58\x83\x4e\x83\x6f\x81\x5b\x95\x5c\x8e\xa6,\x94\x77\x8c\x69\x90\x46,"
        "\x83\x74\x83\x48\x83\x93\x83\x67,\x90\xdc\x82\xe8\x95\xd4\x82\xb5,"
        "\x82\x50\x96\x87\x96\xda\x82\xf0\x8a\x4a\x82\xad,\x83\x81\x83\x82\x93\xfc\x97\xcd," // 作成位置,表示モード,タスクバー表示,背景色,フォント,折り返し,１枚目を開く,メモ入力,
        "\x88\xca\x92\x75,\x95\xfb\x8c\xfc,\x8a\xd4\x8a\x75,\x82\xb7\x82\xae\x90\xae\x97\xf1,"
        "\x82\x50\x96\x87\x96\xda,\x83\x5c\x81\x5b\x83\x67\x95\xfb\x96\x40,\x83\x5c\x81\x5b\x83\x67\x8f\x87,"
        "\x83\x8d\x83\x4f,\x82\x68\x82\x6c\x82\x64,"); // 位置,方向,間隔,すぐ整列,１枚目,ソート方法,ソート順,ログ,ＩＭＥ,
}

TEST(SettingsTable, BitmapPathIsReadAsTextAndCut) {
    std::string longPath(400, 'p');
    ApplySettingValue(Entry("\x94\x77\x8c\x69"
                            "BMP"),
                      longPath.c_str()); // 背景BMP
    EXPECT_EQ(std::strlen(backgroundBitmapPath), 259u);
}
