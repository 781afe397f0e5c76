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
    const std::string expected =
        "[作成方法]\r\n作成位置=1\r\n表示モード=0\r\nタスクバー表示=0\r\n背景色=0\r\n"
        "フォント=1\r\n折り返し=0\r\n１枚目を開く=0\r\nメモ入力=0\r\n"
        "[整列方法]\r\n位置=1\r\n方向=1\r\n間隔=3\r\nすぐ整列=0\r\n１枚目=0\r\n"
        "ソート方法=0\r\nソート順=0\r\n"
        "[その他]\r\nログ=0\r\nＩＭＥ=0\r\n";
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
    WriteFileBytes(settingsPath,
                   "[整列方法]\r\n位置=4\r\n間隔=64\r\nソート順=1\r\n[作成方法]\r\n作成位置=5\r\n");
    LoadSettings();
    EXPECT_EQ(arrangeCorner, 4021);
    EXPECT_EQ(noteSpacing, 3);
    EXPECT_EQ(sortOrder, 1026);
    EXPECT_EQ(inheritPosition, 5);
    SaveSettings();
    EXPECT_EQ(Read("整列方法", "位置"), "1");
    EXPECT_EQ(Read("整列方法", "間隔"), "3");
    EXPECT_EQ(Read("作成方法", "作成位置"), "5");
}

TEST_F(SettingsFileTest, BitmapPathIsReadAndSurvivesSaves) {
    WriteFileBytes(settingsPath, "[その他]\r\n背景BMP=C:\\pictures\\表.bmp\r\n");
    LoadSettings();
    EXPECT_STREQ(backgroundBitmapPath, "C:\\pictures\\表.bmp");
    SaveAll();
    SaveAll();
    EXPECT_EQ(Read("その他", "背景BMP"), "C:\\pictures\\表.bmp");
}

TEST_F(SettingsFileTest, GarbledFileReadsWithoutHarm) {
    std::string junk;
    for (int i = 0; i < 4096; ++i)
        junk += static_cast<char>((i * 7919) & 0xFF);
    WriteFileBytes(settingsPath, "[整列方法]\r\n間隔=  -12abc\r\n" + junk);
    LoadSettings();
    EXPECT_EQ(noteSpacing, 3) << "-12 is out of range";
    SaveSettings();
    EXPECT_EQ(Read("整列方法", "間隔"), "3");
}
