#include "tests/win32/harness.h"
#include "tests/sjis_words.h"

#include "app/save_all.h"
#include "platform/program.h"
#include "platform/program_files.h"
#include "settings/profile_text.h"
#include "settings/settings.h"
#include "settings/defaults_file.h"
#include "store/notes_file.h"

#include <vector>

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

// A settings or defaults file that another program holds at start is waited for; if it stays
// unreadable the program runs on built-in values, says so once, and never writes over the file.
TEST_F(SettingsFileTest, AFileUnreadableAtStartIsNotWrittenOver) {
    const std::string settings = "[" SJ_CREATION "]\r\n" SJ_OPEN_FIRST "=0\r\n";
    const std::string defaults(156, '\x01');
    WriteFileBytes(settingsPath, settings);
    WriteFileBytes(defaultsPath, defaults);
    std::vector<std::string> messages;
    const auto note = [&](HWND box) {
        messages.push_back(MessageBoxText(box));
        PressButton(box, IDOK);
    };
    ExpectDialogs({{ERROR_CAPTION, note}, {ERROR_CAPTION, note}}, 8000);
    for (const wchar_t *path : {settingsPath, defaultsPath}) {
        HANDLE held = CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (path == settingsPath)
            LoadSettings();
        else
            LoadDefaultsFile(1);
        CloseHandle(held);
    }
    EXPECT_TRUE(DialogScriptDone());
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].find(Narrow(settingsPath)), 1u) << messages[0];
    EXPECT_EQ(messages[1].find(Narrow(defaultsPath)), 1u) << messages[1];
    const HWND window = OpenNote(MakeRecord(10, 10, 100, 50, "a note"));
    SaveAll();
    SaveDefaultsFile(window, 0xFFFF);
    EXPECT_EQ(ReadFileBytes(settingsPath), settings);
    EXPECT_EQ(ReadFileBytes(defaultsPath), defaults);
}

// Another writer changed the spacing, this copy the log: each keeps the other's key, in the file
// and in the running program, and a line written by hand stays.
TEST_F(SettingsFileTest, AnotherWritersKeysAreTakenInKeyByKey) {
    WriteFileBytes(settingsPath, "[" SJ_ARRANGEMENT "]\r\n" SJ_SPACING "=3\r\n");
    LoadSettings();
    SaveSettings();
    std::string theirs = ReadFileBytes(settingsPath);
    SetProfileValue(theirs, SJ_ARRANGEMENT, SJ_SPACING, "9");
    theirs += "[mine]\r\nkept=yes\r\n";
    WriteFileBytes(settingsPath, theirs);
    logEnabled = 1;
    SaveSettings();
    EXPECT_EQ(noteSpacing, 9);
    EXPECT_EQ(Read(SJ_ARRANGEMENT, SJ_SPACING), "9");
    EXPECT_EQ(Read(SJ_OTHERS, SJ_LOG), "1");
    EXPECT_EQ(Read("mine", "kept"), "yes");
}
