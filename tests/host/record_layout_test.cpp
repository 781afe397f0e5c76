#include "settings/defaults_record.h"
#include "store/note_record.h"

#include <cstring>
#include <gtest/gtest.h>

// The record image is the notes-file format: the bytes must sit where older files expect them.
TEST(NoteRecordLayout, FieldsLandAtTheirFileOffsets) {
    NoteRecord r;
    std::memset(&r, 0, sizeof r);
    r.x = 0x11223344;
    r.backColor = 0x80FFFF;
    r.fontDialog.rgbColors = 0x00ABCDEF;
    r.created.year = 2026;
    const auto *bytes = reinterpret_cast<const unsigned char *>(&r);
    EXPECT_EQ(bytes[1044], 0x44);
    EXPECT_EQ(bytes[1047], 0x11);
    EXPECT_EQ(bytes[1064], 0xFF);
    EXPECT_EQ(bytes[1066], 0x80);
    EXPECT_EQ(bytes[1152], 0xEF);
    EXPECT_EQ(bytes[1032], 2026 & 0xFF);
    EXPECT_EQ(bytes[1033], 2026 >> 8);
}

TEST(DefaultsRecordBytes, OnlyMaskedFieldsAreWritten) {
    NoteRecord note;
    std::memset(&note, 0x5A, sizeof note);
    note.width = 300;
    note.height = 200;
    const DefaultsRecord r = MakeDefaultsRecord(note, kMaskWidth | kMaskHeight);
    unsigned char expected[156] = {};
    expected[0] = 0x00;
    expected[1] = 0x0C;
    expected[20] = 300 & 0xFF;
    expected[21] = 300 >> 8;
    expected[24] = 200;
    EXPECT_EQ(std::memcmp(&r, expected, sizeof expected), 0);
}

TEST(DefaultsRecordBytes, DisplayModeAndTaskbar) {
    NoteRecord note;
    std::memset(&note, 0, sizeof note);
    note.displayMode = 0x00070001; // only the low 16 bits count
    note.taskbarFlag = 0;
    const DefaultsRecord r = MakeDefaultsRecord(note, kMaskDisplayMode | kMaskTaskbar);
    const auto *bytes = reinterpret_cast<const unsigned char *>(&r);
    EXPECT_EQ(bytes[0], 0x01);
    EXPECT_EQ(bytes[1], 0x10);
    EXPECT_EQ(bytes[28], 1);
    EXPECT_EQ(bytes[29], 0);
    EXPECT_EQ(bytes[30], 0);
}
