#include "store/notes_file.h"

#include "platform/file_error_message.h"
#include "platform/file_util.h"
#include "platform/program.h"
#include "platform/program_files.h"
#include "platform/whole_file_save.h"
#include "store/note_table.h"

#include <string>

void BackupNotesFile() {
    if (FileSizeOf(notesPath) != 0) CopyFileW(notesPath, backupPath, FALSE);
}

bool notesFileBeyondLimit;

static const char kNothingChanged[] = "どのファイルも変更せずに終了します.";

// One attempt to read the notes file into a table from slot 0, counting the complete records.
// 0 when it was read, or does not exist (then nothing changes); otherwise the platform's error.
static DWORD ReadNotesFile(NoteRecord *table, int &records, bool &beyondLimit) {
    HANDLE file = CreateFileW(notesPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = LastFailure();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? 0 : error;
    }
    records = 0;
    DWORD read = 0, error = 0;
    do {
        read = 0;
        if (!ReadFile(file, &table[records], sizeof(NoteRecord), &read, nullptr)) error = LastFailure();
        if (read == sizeof(NoteRecord)) ++records;
        // Always the first slot without a complete record: a partial tail never gets a button.
        table[records].taskbarFlag = 0;
        // At most 99 notes can be open, so more records are not read.
    } while (!error && read == sizeof(NoteRecord) && records < kMaxNotes);
    LARGE_INTEGER size = {};
    GetFileSizeEx(file, &size);
    beyondLimit = size.QuadPart / static_cast<LONGLONG>(sizeof(NoteRecord)) > kMaxNotes;
    CloseHandle(file);
    return error;
}

static DWORD ReadNotesFileWithRetries(NoteRecord *table, int &records, bool &beyondLimit) {
    return RetryRead([&] { return ReadNotesFile(table, records, beyondLimit); });
}

static bool ReportedUnreadable(DWORD error) {
    if (error) ShowFileErrorMessage(notesPath, "このファイルを読み込めません.", error, kNothingChanged);
    return error != 0;
}

// Read into the scratch table, which holds nothing yet at start-up.
bool NotesFileReadable() {
    int records = 0;
    bool beyondLimit = false;
    return !ReportedUnreadable(ReadNotesFileWithRetries(WorkTable, records, beyondLimit));
}

bool LoadNotesFile() {
    notesFileBeyondLimit = false;
    if (ReportedUnreadable(ReadNotesFileWithRetries(NoteTable, recordsToSave, notesFileBeyondLimit)))
        return false;
    if (!notesFileBeyondLimit) return true;
    // The records past the 99th are dropped by the first save, so the whole file is kept first.
    const std::wstring fullPath = std::wstring(notesPath) + L".full";
    if (CopyFileW(notesPath, fullPath.c_str(), FALSE)) return true;
    ShowFileErrorMessage(fullPath.c_str(), "開ききれないメモを残すこのファイルを作れません.", LastFailure(),
                         kNothingChanged);
    return false;
}

static bool AnyNoteHasText() {
    for (int i = 0; i < noteCount; ++i)
        if (!TextIsEmpty(NoteTable[i])) return true;
    return false;
}

// Replaced in one step, so a crash or a full disk at any moment leaves the old or the new file.
void SaveNotesFile() {
    const int records = recordsToSave < 0 ? 0 : recordsToSave;
    const DWORD size = AnyNoteHasText() ? static_cast<DWORD>(records) * sizeof(NoteRecord) : 0;
    ReportSaveOutcome(notesPath, ReplaceWholeFileBytes(notesPath, NoteTable, size));
}
