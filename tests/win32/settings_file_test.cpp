#include "tests/win32/harness.h"

#include "app/save_all.h"
#include "platform/program.h"
#include "platform/program_files.h"
#include "settings/profile_text.h"
#include "settings/settings.h"
#include "store/notes_file.h"

class SettingsFileTest : public ProgramTest {
protected:
    std::string Read(const char *section, const char *key) {
        return ProfileValue(ReadFileBytes(settingsPath), section, key, "<missing>", 300);
    }
};

// A settings file written from scratch: sections and keys in their order, as the platform writes.
TEST_F(SettingsFileTest, FirstSaveWritesAllSeventeenKeysInOrder) {
    SaveSettings();
    const std::
        string
            expected =
                "[\x8d\xec\x90\xac\x95\xfb\x96\x40]\r\n\x8d\xec\x90\xac\x88\xca\x92\x75="
                "1\r\n\x95\x5c\x8e\xa6\x83\x82\x81\x5b\x83\x68="
                "0\r\n\x83\x5e\x83\x58\x83\x4e\x83\x6f\x81\x5b\x95\x5c\x8e\xa6=0\r\n\x94\x77\x8c\x69\x90\x46="
                "0\r\n" // [作成方法]\r\n作成位置=1\r\n表示モード=0\r\nタスクバー表示=0\r\n背景色=0\r\n
                "\x83\x74\x83\x48\x83\x93\x83\x67=1\r\n\x90\xdc\x82\xe8\x95\xd4\x82\xb5="
                "0\r\n\x82\x50\x96\x87\x96\xda\x82\xf0\x8a\x4a\x82\xad=0\r\n\x83\x81\x83\x82\x93\xfc\x97\xcd="
                "0\r\n" // フォント=1\r\n折り返し=0\r\n１枚目を開く=0\r\nメモ入力=0\r\n
                "[\x90\xae\x97\xf1\x95\xfb\x96\x40]\r\n\x88\xca\x92\x75=1\r\n\x95\xfb\x8c\xfc="
                "1\r\n\x8a\xd4\x8a\x75=3\r\n\x82\xb7\x82\xae\x90\xae\x97\xf1=0\r\n\x82\x50\x96\x87\x96\xda="
                "0\r\n" // [整列方法]\r\n位置=1\r\n方向=1\r\n間隔=3\r\nすぐ整列=0\r\n１枚目=0\r\n
                "\x83\x5c\x81\x5b\x83\x67\x95\xfb\x96\x40=0\r\n\x83\x5c\x81\x5b\x83\x67\x8f\x87=0\r\n" // ソート方法=0\r\nソート順=0\r\n
                "[\x82\xbb\x82\xcc\x91\xbc]\r\n\x83\x8d\x83\x4f=0\r\n\x82\x68\x82\x6c\x82\x64=0\r\n"; // [その他]\r\nログ=0\r\nＩＭＥ=0\r\n
    EXPECT_EQ(ReadFileBytes(settingsPath), expected);
}

TEST_F(SettingsFileTest, MissingFileIsCreatedEmptyAndNothingIsRead) {
    openEmptyFirst = 0;
    LoadSettings();
    EXPECT_TRUE(FileIsThere(settingsPath));
    EXPECT_EQ(ReadFileBytes(settingsPath), "");
    EXPECT_EQ(openEmptyFirst, 0) << "built-in value, although its missing string is 1";
    EXPECT_EQ(arrangeAfterSheet, 0);
}

TEST_F(SettingsFileTest, EmptyFileTakesTheMissingStrings) {
    WriteFileBytes(settingsPath, "");
    LoadSettings();
    EXPECT_EQ(openEmptyFirst, 1);
    EXPECT_EQ(arrangeAfterSheet, 1);
    EXPECT_EQ(arrangeCorner, 4021);
    EXPECT_EQ(noteSpacing, 3);
}

TEST_F(SettingsFileTest, OutOfRangeValuesAreIgnoredAndWrittenBackAsBefore) {
    WriteFileBytes(
        settingsPath,
        "[\x90\xae\x97\xf1\x95\xfb\x96\x40]\r\n\x88\xca\x92\x75=4\r\n\x8a\xd4\x8a\x75="
        "64\r\n\x83\x5c\x81\x5b\x83\x67\x8f\x87=1\r\n[\x8d\xec\x90\xac\x95\xfb\x96\x40]"
        "\r\n\x8d\xec\x90\xac\x88\xca\x92\x75=5\r\n"); // [整列方法]\r\n位置=4\r\n間隔=64\r\nソート順=1\r\n[作成方法]\r\n作成位置=5\r\n
    LoadSettings();
    EXPECT_EQ(arrangeCorner, 4021);
    EXPECT_EQ(noteSpacing, 3);
    EXPECT_EQ(sortOrder, 1026);
    EXPECT_EQ(inheritPosition, 5);
    SaveSettings();
    EXPECT_EQ(Read("\x90\xae\x97\xf1\x95\xfb\x96\x40", "\x88\xca\x92\x75"), "1"); // 整列方法 / 位置
    EXPECT_EQ(Read("\x90\xae\x97\xf1\x95\xfb\x96\x40", "\x8a\xd4\x8a\x75"), "3"); // 整列方法 / 間隔
    EXPECT_EQ(Read("\x8d\xec\x90\xac\x95\xfb\x96\x40", "\x8d\xec\x90\xac\x88\xca\x92\x75"),
              "5"); // 作成方法 / 作成位置
}

TEST_F(SettingsFileTest, BitmapPathIsReadAndSurvivesSaves) {
    WriteFileBytes(settingsPath,
                   "[\x82\xbb\x82\xcc\x91\xbc]\r\n\x94\x77\x8c\x69"
                   "BMP=C:\\pictures\\\x95\x5c.bmp\r\n"); // [その他]\r\n背景BMP=C:\\pictures\\表.bmp\r\n
    LoadSettings();
    EXPECT_STREQ(backgroundBitmapPath, "C:\\pictures\\\x95\x5c.bmp"); // C:\\pictures\\表.bmp
    SaveAll();
    SaveAll();
    EXPECT_EQ(Read("\x82\xbb\x82\xcc\x91\xbc", "\x94\x77\x8c\x69"
                                               "BMP"),
              "C:\\pictures\\\x95\x5c.bmp"); // その他 / 背景BMP / C:\\pictures\\表.bmp
}

TEST_F(SettingsFileTest, GarbledFileReadsWithoutHarm) {
    std::string junk;
    for (int i = 0; i < 4096; ++i)
        junk += static_cast<char>((i * 7919) & 0xFF);
    WriteFileBytes(settingsPath, "[\x90\xae\x97\xf1\x95\xfb\x96\x40]\r\n\x8a\xd4\x8a\x75=  -12abc\r\n" +
                                     junk); // [整列方法]\r\n間隔=  -12abc\r\n
    LoadSettings();
    EXPECT_EQ(noteSpacing, 3) << "-12 is out of range";
    SaveSettings();
    EXPECT_EQ(Read("\x90\xae\x97\xf1\x95\xfb\x96\x40", "\x8a\xd4\x8a\x75"), "3"); // 整列方法 / 間隔
}
