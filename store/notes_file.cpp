#include "store/notes_file.h"

#include "platform/file_error_message.h"
#include "platform/file_look.h"
#include "platform/file_util.h"
#include "platform/program.h"
#include "platform/program_files.h"
#include "platform/whole_file_save.h"
#include "store/note_table.h"

#include <cstring>
#include <string>

void BackupNotesFile() {
    if (FileSizeOf(notesPath) != 0) CopyFileW(notesPath, backupPath, FALSE);
}

bool notesFileBeyondLimit;

static const char kNothingChanged[] = "どのファイルも変更せずに終了します.";

// One attempt to read the notes file's bytes; 0 when they were read, or when it does not exist
// (then there are none), otherwise the platform's error. A writer holding the file is refused.
static DWORD ReadNotesBytes(std::string &bytes, bool &exists) {
    bytes.clear();
    HANDLE file = CreateFileW(notesPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    exists = file != INVALID_HANDLE_VALUE;
    if (!exists) {
        const DWORD error = LastFailure();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? 0 : error;
    }
    LARGE_INTEGER size = {};
    DWORD error = GetFileSizeEx(file, &size) ? 0 : LastFailure();
    if (!error && size.QuadPart > MAXDWORD) error = ERROR_FILE_TOO_LARGE;
    if (!error && size.QuadPart > 0) {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD read = 0;
        if (!ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr))
            error = LastFailure();
        bytes.resize(read);
    }
    CloseHandle(file);
    return error;
}

// Fills the table from slot 0 with the complete records, as many as notes can be open, and
// counts them. The bytes of a partial record stay in the slot after the last complete one,
// whose taskbar flag is cleared: a partial tail never gets a button.
static int FillTable(NoteRecord *table, const std::string &bytes) {
    int records = 0;
    size_t at = 0;
    for (; records < kMaxNotes && bytes.size() - at >= sizeof(NoteRecord); at += sizeof(NoteRecord))
        std::memcpy(&table[records++], bytes.data() + at, sizeof(NoteRecord));
    if (records < kMaxNotes) std::memcpy(&table[records], bytes.data() + at, bytes.size() - at);
    table[records].taskbarFlag = 0;
    return records;
}

// A missing file changes nothing in the table.
static DWORD ReadNotesFile(NoteRecord *table, int &records, bool &beyondLimit, std::string &bytes) {
    bool exists = false;
    const DWORD error = ReadNotesBytes(bytes, exists);
    if (error) return error;
    if (exists) records = FillTable(table, bytes);
    beyondLimit = bytes.size() / sizeof(NoteRecord) > static_cast<size_t>(kMaxNotes);
    return 0;
}

static DWORD ReadNotesFileWithRetries(NoteRecord *table, int &records, bool &beyondLimit,
                                      std::string &bytes) {
    return RetryRead([&] { return ReadNotesFile(table, records, beyondLimit, bytes); });
}

static bool ReportedUnreadable(DWORD error) {
    if (error) ShowFileErrorMessage(notesPath, "このファイルを読み込めません.", error, kNothingChanged);
    return error != 0;
}

// Read into the scratch table, which holds nothing yet at start-up.
bool NotesFileReadable() {
    int records = 0;
    bool beyondLimit = false;
    std::string bytes;
    return !ReportedUnreadable(ReadNotesFileWithRetries(WorkTable, records, beyondLimit, bytes));
}

// The file as this copy last read or wrote it, and how it looked then: another writer's change is
// told from one's own by them.
static std::string notesBase;
static FileLook notesLook;

void ForgetNotesFileBase() {
    notesBase.clear();
    notesLook = LookAtFile(notesPath);
}

static std::wstring FullCopyPath() {
    return std::wstring(notesPath) + L".full";
}

bool LoadNotesFile() {
    notesFileBeyondLimit = false;
    std::string bytes;
    // Looked at first: a change made while it is read then shows as one at the next look.
    const FileLook look = LookAtFile(notesPath);
    if (ReportedUnreadable(ReadNotesFileWithRetries(NoteTable, recordsToSave, notesFileBeyondLimit, bytes)))
        return false;
    notesBase = bytes;
    notesLook = look;
    if (!notesFileBeyondLimit) return true;
    // The records past the 99th are dropped by the first save, so the whole file is kept first.
    if (CopyFileW(notesPath, FullCopyPath().c_str(), FALSE)) return true;
    ShowFileErrorMessage(FullCopyPath().c_str(), "開ききれないメモを残すこのファイルを作れません.",
                         LastFailure(), kNothingChanged);
    return false;
}

bool KeepWholeNotes(const std::string &bytes) {
    const DWORD error =
        ReplaceWholeFileBytes(FullCopyPath().c_str(), bytes.data(), static_cast<DWORD>(bytes.size()));
    ReportSaveOutcome(FullCopyPath().c_str(), error);
    return error == 0;
}

bool ForeignNotesChange(NotesFileChange &change) {
    change.look = LookAtFile(notesPath);
    if (change.look == notesLook) return false;
    // Gone, or cut short of a whole record: another writer or a sync tool is in the middle of its
    // work, and the next look will see the end of it. No note is taken away for it meanwhile.
    if (!change.look.exists || change.look.size % sizeof(NoteRecord) != 0) return false;
    if (ReadWholeFile(notesPath, change.theirs) != 0) return false;
    if (change.theirs == notesBase) {
        notesLook = change.look; // touched, not changed
        return false;
    }
    change.base = notesBase;
    return true;
}

void AdoptNotesFile(const NotesFileChange &change) {
    notesBase = change.theirs;
    notesLook = change.look;
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
    FileLook written;
    const DWORD error = ReplaceWholeFileBytes(notesPath, NoteTable, size, &written);
    ReportSaveOutcome(notesPath, error);
    if (error) return;
    notesBase.assign(reinterpret_cast<const char *>(NoteTable), size);
    notesLook = written;
}
