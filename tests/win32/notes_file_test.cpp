#include "tests/win32/harness.h"

#include "app/program.h"
#include "settings/defaults.h"
#include "settings/defaults_file.h"
#include "store/note_table.h"
#include "store/notes_file.h"

#include <cstring>

class NotesFileTest : public ProgramTest {};

static std::string RecordBytes(const NoteRecord &r) {
    return Bytes(&r, sizeof r);
}

TEST_F(NotesFileTest, NoNoteOpenSavesAnEmptyFile) {
    WriteFileBytes(notesPath, "old");
    SaveAll();
    EXPECT_TRUE(FileIsThere(notesPath));
    EXPECT_EQ(ReadFileBytes(notesPath).size(), 0u);
}

TEST_F(NotesFileTest, EmptyNotesAreWrittenOnlyBesideANoteWithText) {
    OpenNote(MakeRecord(10, 10, 100, 50));
    OpenNote(MakeRecord(10, 70, 100, 50));
    OpenNote(MakeRecord(10, 130, 100, 50, "third"));
    SaveAll();
    const std::string bytes = ReadFileBytes(notesPath);
    ASSERT_EQ(bytes.size(), 3 * sizeof(NoteRecord));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(bytes.substr(i * sizeof(NoteRecord), sizeof(NoteRecord)), RecordBytes(NoteTable[i]))
            << "record " << i;

    NoteTable[2].text[0] = '\0';
    SaveAll();
    EXPECT_EQ(ReadFileBytes(notesPath).size(), 0u) << "all notes empty";
}

TEST_F(NotesFileTest, RemovingTheMiddleNoteLeavesFirstAndThird) {
    OpenNote(MakeRecord(10, 10, 100, 50, "first"));
    OpenNote(MakeRecord(10, 70, 100, 50, "second"));
    OpenNote(MakeRecord(10, 130, 100, 50, "third"));
    CloseNote(1);
    SaveAll();
    const std::string bytes = ReadFileBytes(notesPath);
    ASSERT_EQ(bytes.size(), 2 * sizeof(NoteRecord));
    EXPECT_STREQ(bytes.c_str() + 4, "first");
    EXPECT_STREQ(bytes.c_str() + sizeof(NoteRecord) + 4, "third");
}

TEST_F(NotesFileTest, PartialTrailingRecordIsNotCountedAndLosesItsTaskbarFlag) {
    NoteRecord a = MakeRecord(1, 2, 30, 40, "a"), b = MakeRecord(5, 6, 70, 80, "b");
    a.taskbarFlag = b.taskbarFlag = 1;
    std::string tail(1100, '\x01');
    WriteFileBytes(notesPath, RecordBytes(a) + RecordBytes(b) + tail);
    recordsToSave = 0;
    LoadNotesFile();
    EXPECT_EQ(recordsToSave, 2);
    EXPECT_EQ(NoteTable[1].taskbarFlag, 1);
    EXPECT_EQ(NoteTable[2].taskbarFlag, 0);
    EXPECT_EQ(NoteTable[2].text[0], '\x01');
    EXPECT_EQ(reinterpret_cast<const unsigned char *>(&NoteTable[2])[1099], 0x01);
}

TEST_F(NotesFileTest, EmptyFileLoadsNoRecordAndKeepsTheTemplateInSlotZero) {
    templateNote.x = 321;
    LoadDefaultsFile(1);
    NoteTable[0].taskbarFlag = 1;
    WriteFileBytes(notesPath, "");
    recordsToSave = 7;
    LoadNotesFile();
    EXPECT_EQ(recordsToSave, 0);
    EXPECT_EQ(NoteTable[0].x, 321);
    EXPECT_EQ(NoteTable[0].taskbarFlag, 0);
}

TEST_F(NotesFileTest, MissingFileChangesNothing) {
    recordsToSave = 0;
    std::strcpy(NoteTable[0].text, "kept");
    LoadNotesFile();
    EXPECT_EQ(recordsToSave, 0);
    EXPECT_STREQ(NoteTable[0].text, "kept");
}

TEST_F(NotesFileTest, MoreThanNinetyNineRecordsLoadNinetyNine) {
    std::string bytes;
    for (int i = 0; i < 120; ++i)
        bytes += RecordBytes(MakeRecord(i, i, 10, 10, "x"));
    WriteFileBytes(notesPath, bytes);
    LoadNotesFile();
    EXPECT_EQ(recordsToSave, 99);
    EXPECT_EQ(NoteTable[99].window, 0u) << "the slot after the last note holds no record";
}

TEST_F(NotesFileTest, BackupCopiesOnlyANonEmptyNotesFile) {
    WriteFileBytes(backupPath, "older");
    WriteFileBytes(notesPath, "");
    BackupNotesFile();
    EXPECT_EQ(ReadFileBytes(backupPath), "older");
    DeleteFileA(notesPath);
    BackupNotesFile();
    EXPECT_EQ(ReadFileBytes(backupPath), "older");
    WriteFileBytes(notesPath, "current");
    BackupNotesFile();
    EXPECT_EQ(ReadFileBytes(backupPath), "current");
}

// The save goes through a file beside the notes file; when that cannot be written, the notes
// on disk stay as they were instead of being deleted first.
TEST_F(NotesFileTest, AFailedSaveKeepsThePreviousFile) {
    OpenNote(MakeRecord(10, 10, 100, 50, "saved"));
    SaveAll();
    const std::string before = ReadFileBytes(notesPath);
    CreateDirectoryA((std::string(notesPath) + ".new").c_str(), nullptr);
    std::strcpy(NoteTable[0].text, "changed");
    SaveAll();
    RemoveDirectoryA((std::string(notesPath) + ".new").c_str());
    EXPECT_EQ(ReadFileBytes(notesPath), before);
    SaveAll();
    EXPECT_STREQ(ReadFileBytes(notesPath).c_str() + 4, "changed") << "the next save writes again";
}

TEST_F(NotesFileTest, SaveAllWritesTheSettingsFileToo) {
    DeleteFileA(settingsPath);
    SaveAll();
    EXPECT_FALSE(ReadFileBytes(settingsPath).empty());
    EXPECT_EQ(recordsToSave, noteCount);
}
