#include "tests/win32/harness.h"
#include "tests/sjis_words.h"

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
    EXPECT_EQ(ReadFileBytes(settingsPath), kBuiltInSettingsFile);
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
                   "[" SJ_ARRANGEMENT "]\r\n" SJ_PLACE "=4\r\n" SJ_SPACING "=64\r\n" SJ_SORT_ORDER
                   "=1\r\n[" SJ_CREATION "]\r\n" SJ_CREATION_PLACE "=5\r\n");
    LoadSettings();
    EXPECT_EQ(arrangeCorner, 4021);
    EXPECT_EQ(noteSpacing, 3);
    EXPECT_EQ(sortOrder, 1026);
    EXPECT_EQ(inheritPosition, 5);
    SaveSettings();
    EXPECT_EQ(Read(SJ_ARRANGEMENT, SJ_PLACE), "1");
    EXPECT_EQ(Read(SJ_ARRANGEMENT, SJ_SPACING), "3");
    EXPECT_EQ(Read(SJ_CREATION, SJ_CREATION_PLACE), "5");
}

TEST_F(SettingsFileTest, BitmapPathIsReadAndSurvivesSaves) {
    const std::string picture = "C:\\pictures\\\x95\x5c.bmp"; // 表 ends in the byte 0x5C
    WriteFileBytes(settingsPath, "[" SJ_OTHERS "]\r\n" SJ_BACKGROUND "BMP=" + picture + "\r\n");
    LoadSettings();
    EXPECT_EQ(backgroundBitmapPath, picture);
    SaveAll();
    SaveAll();
    EXPECT_EQ(Read(SJ_OTHERS, SJ_BACKGROUND "BMP"), picture);
}

TEST_F(SettingsFileTest, GarbledFileReadsWithoutHarm) {
    std::string junk;
    for (int i = 0; i < 4096; ++i)
        junk += static_cast<char>((i * 7919) & 0xFF);
    WriteFileBytes(settingsPath, "[" SJ_ARRANGEMENT "]\r\n" SJ_SPACING "=  -12abc\r\n" +
                                     junk); // [整列方法]\r\n間隔=  -12abc\r\n
    LoadSettings();
    EXPECT_EQ(noteSpacing, 3) << "-12 is out of range";
    SaveSettings();
    EXPECT_EQ(Read(SJ_ARRANGEMENT, SJ_SPACING), "3");
}
