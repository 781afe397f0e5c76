#include "settings/settings_merge.h"
#include "settings/profile_text.h"
#include "settings/settings.h"
#include "tests/sjis_words.h"

#include <cstring>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

static int Key(const char *key) {
    for (int i = 0; i < kWrittenSettingCount; ++i)
        if (std::strcmp(kSettingEntries[i].key, key) == 0) return i;
    throw std::runtime_error(key);
}

static SettingValues AllAt(int value) {
    SettingValues values;
    values.fill(value);
    return values;
}

// Two keys at once, so that each case also shows the other key is left alone.
TEST(SettingsMerge, KeyByKeyTheSideThatChangedIt) {
    const struct {
        const char *what;
        int base, theirs, ours, merged;
    } cases[] = {
        {"changed nowhere", 3, 3, 3, 3},
        {"changed there only: theirs", 3, 10, 3, 10},
        {"changed here only: ours", 3, 3, 5, 5},
        {"changed on both sides: ours", 3, 10, 5, 5},
        {"changed alike on both sides", 3, 5, 5, 5},
    };
    const int spacing = Key(SJ_SPACING), log = Key(SJ_LOG);
    for (const auto &c : cases) {
        SettingValues base = AllAt(0), theirs = AllAt(0), ours = AllAt(0);
        base[spacing] = c.base;
        theirs[spacing] = c.theirs;
        ours[spacing] = c.ours;
        ours[log] = 1; // changed here
        const SettingValues merged = MergeSettingValues(base, theirs, ours);
        EXPECT_EQ(merged[spacing], c.merged) << c.what;
        EXPECT_EQ(merged[log], 1) << c.what;
        theirs[log] = 2;
        ours[log] = 0;
        EXPECT_EQ(MergeSettingValues(base, theirs, ours)[log], 2)
            << c.what << ", the other key changed there";
    }
}

// Theirs is read as start-up reads the file, from the base: a value the program would not take
// is no change there.
TEST(SettingsMerge, ReadsTheFileAsTheProgramDoes) {
    const struct {
        const char *section, *key, *line;
        int start, read;
    } cases[] = {
        {SJ_ARRANGEMENT, SJ_PLACE, SJ_PLACE "=3", 4021, 4023},
        {SJ_ARRANGEMENT, SJ_PLACE, SJ_PLACE "=7", 4022, 4022},
        {SJ_ARRANGEMENT, SJ_PLACE, "", 4022, 4021},
        {SJ_ARRANGEMENT, SJ_SPACING, SJ_SPACING "=12px", 3, 12},
        {SJ_ARRANGEMENT, SJ_SPACING, SJ_SPACING "=64", 5, 5},
        {SJ_ARRANGEMENT, SJ_SORT_ORDER, SJ_SORT_ORDER "=1", 1025, 1026},
        {SJ_CREATION, SJ_CREATION_PLACE, SJ_CREATION_PLACE "=5", 1, 5},
        {SJ_CREATION, SJ_OPEN_FIRST, "", 0, 1},
    };
    for (const auto &c : cases) {
        const std::string file = std::string("[") + c.section + "]\r\n" + c.line + "\r\n";
        const SettingValues read = ReadSettingValues(file, AllAt(c.start));
        EXPECT_EQ(read[Key(c.key)], c.read) << c.line;
    }
}

// Another copy changed the spacing and wrote a line by hand; this one switched the log on. After
// the merge the program runs with both changes, and the file is theirs with our one key written.
TEST(SettingsMerge, BothWritersChangesReachTheFileAndTheProgram) {
    SetSettingValues(ReadSettingValues("", AllAt(0)));
    std::string ourSave;
    WriteSettingKeys(ourSave);
    const SettingValues base = ReadSettingValues(ourSave, CurrentSettingValues());

    std::string theirFile = ourSave;
    SetProfileValue(theirFile, SJ_ARRANGEMENT, SJ_SPACING, "10");
    SetProfileValue(theirFile, SJ_OTHERS, SJ_BACKGROUND "BMP", "C:\\wall.bmp");
    logEnabled = 1;

    const SettingValues theirs = ReadSettingValues(theirFile, base);
    SetSettingValues(MergeSettingValues(base, theirs, CurrentSettingValues()));
    EXPECT_EQ(noteSpacing, 10);
    EXPECT_EQ(logEnabled, 1);

    std::string file = theirFile;
    WriteSettingKeys(file);
    std::string expected = theirFile;
    const std::string logLine = SJ_LOG "=0";
    expected.replace(expected.find(logLine), logLine.size(), SJ_LOG "=1");
    EXPECT_EQ(file, expected);
}
