#include "tests/win32/harness.h"

#include "app/save_all.h"
#include "platform/program.h"
#include "platform/program_files.h"
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
    DeleteFileW(notesPath);
    BackupNotesFile();
    EXPECT_EQ(ReadFileBytes(backupPath), "older");
    WriteFileBytes(notesPath, "current");
    BackupNotesFile();
    EXPECT_EQ(ReadFileBytes(backupPath), "current");
}

// Counts the warnings shown while the code under test runs, pressing OK on each (at most two).
struct WarningCount {
    int shown = 0;
    WarningCount() {
        const auto ok = [this](HWND box) {
            ++shown;
            PressButton(box, IDOK);
        };
        ExpectDialogs({{ERROR_CAPTION, ok}, {ERROR_CAPTION, ok}}, 4000);
    }
    ~WarningCount() { DialogScriptDone(); }
};

// A scratch name that cannot be used (a folder, a stale read-only file) is no reason to fail;
// when none can be used, the file is written in place. Leftover scratch files go.
TEST_F(NotesFileTest, ASaveUsesAnotherScratchNameOrWritesInPlace) {
    const std::string base = Narrow(notesPath);
    OpenNote(MakeRecord(10, 10, 100, 50, "first"));
    WarningCount warnings;
    CreateDirectoryA((base + ".new").c_str(), nullptr);
    WriteFileBytes(base + ".new1", "stale");
    SetFileAttributesA((base + ".new1").c_str(), FILE_ATTRIBUTE_READONLY);
    WriteFileBytes(base + ".new3", "left by a crash");
    SaveAll();
    EXPECT_STREQ(ReadFileBytes(notesPath).c_str() + 4, "first");
    EXPECT_FALSE(FileIsThere(base + ".new2"));
    EXPECT_FALSE(FileIsThere(base + ".new3")) << "a leftover scratch file is removed";

    CreateDirectoryA((base + ".new2").c_str(), nullptr);
    CreateDirectoryA((base + ".new3").c_str(), nullptr);
    std::strcpy(NoteTable[0].text, "in place");
    SaveAll();
    EXPECT_STREQ(ReadFileBytes(notesPath).c_str() + 4, "in place");
    EXPECT_EQ(ReadFileBytes(notesPath).size(), sizeof(NoteRecord));
    EXPECT_EQ(warnings.shown, 0);

    SetFileAttributesA((base + ".new1").c_str(), FILE_ATTRIBUTE_NORMAL);
    for (const char *folder : {".new", ".new2", ".new3"})
        RemoveDirectoryA((base + folder).c_str());
}

// A failed save keeps the previous file, says so once for the whole run of failures, and the
// next save tries again; once one succeeds, a new failure is reported again.
TEST_F(NotesFileTest, AFailingSaveWarnsOncePerRunOfFailures) {
    OpenNote(MakeRecord(10, 10, 100, 50, "saved"));
    SaveAll();
    const std::string before = ReadFileBytes(notesPath);
    const auto holdNotesFile = [] { // as another program may hold it
        return CreateFileW(notesPath, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    };
    HANDLE held = holdNotesFile();
    std::strcpy(NoteTable[0].text, "changed");
    {
        WarningCount warnings;
        SaveAll();
        SaveAll();
        EXPECT_EQ(warnings.shown, 1);
    }
    CloseHandle(held);
    EXPECT_EQ(ReadFileBytes(notesPath), before);
    EXPECT_FALSE(FileIsThere(std::wstring(notesPath) + L".new")) << "the scratch file is removed";

    SaveAll();
    EXPECT_STREQ(ReadFileBytes(notesPath).c_str() + 4, "changed") << "the next save writes again";
    held = holdNotesFile();
    {
        WarningCount warnings;
        SaveAll();
        EXPECT_EQ(warnings.shown, 1) << "a new run of failures is reported";
    }
    CloseHandle(held);
    SaveAll();
}

// A notes file that refuses every save must not freeze each click: a read-only one fails at once,
// and a reader that holds the file is waited for once, not at every save. Four saves that each
// waited would take four seconds.
TEST_F(NotesFileTest, AFileThatRefusesSavesDoesNotStallEverySave) {
    OpenNote(MakeRecord(10, 10, 100, 50, "saved"));
    SaveAll();
    const auto fourSaves = [] {
        WarningCount warnings;
        const DWORD start = GetTickCount();
        for (int i = 0; i < 4; ++i)
            SaveAll();
        return GetTickCount() - start;
    };
    SetFileAttributesW(notesPath, FILE_ATTRIBUTE_READONLY);
    EXPECT_LT(fourSaves(), 2000u) << "a read-only file";
    SetFileAttributesW(notesPath, FILE_ATTRIBUTE_NORMAL);
    SaveAll();
    HANDLE held = CreateFileW(notesPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_LT(fourSaves(), 3000u) << "a file another program holds";
    CloseHandle(held);
}

TEST_F(NotesFileTest, SaveAllWritesTheSettingsFileToo) {
    DeleteFileW(settingsPath);
    SaveAll();
    EXPECT_FALSE(ReadFileBytes(settingsPath).empty());
    EXPECT_EQ(recordsToSave, noteCount);
}
