#include "store/notes_file.h"

#include "app/file_util.h"
#include "app/program.h"
#include "settings/settings.h"
#include "store/note_table.h"

void BackupNotesFile() {
    if (FileSizeOf(notesPath) != 0) CopyFileA(notesPath, backupPath, FALSE);
}

void LoadNotesFile() {
    HANDLE file = CreateFileA(notesPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    recordsToSave = 0;
    DWORD read = 0;
    do {
        read = 0;
        if (!ReadFile(file, &NoteTable[recordsToSave], sizeof(NoteRecord), &read, nullptr)) read = 0;
        if (read == sizeof(NoteRecord)) ++recordsToSave;
        // Always the first slot without a complete record: a partial tail never gets a button.
        NoteTable[recordsToSave].taskbarFlag = 0;
        // At most 99 notes can be open, so more records are not read.
    } while (read == sizeof(NoteRecord) && recordsToSave < kMaxNotes);
    CloseHandle(file);
}

static bool AnyNoteHasText() {
    for (int i = 0; i < noteCount; ++i)
        if (!TextIsEmpty(NoteTable[i])) return true;
    return false;
}

static bool WriteWholeFile(const char *path, const void *bytes, DWORD size) {
    HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool ok = (size == 0 || WriteAllBytes(file, bytes, size)) && FlushFileBuffers(file);
    CloseHandle(file);
    return ok;
}

// The new image goes to a file beside the notes file and then replaces it in one step, so a
// crash or a full disk at any moment leaves either the old or the new notes file.
void SaveNotesFile() {
    char temporaryPath[kNotesPathSize + 8];
    wsprintfA(temporaryPath, "%s.new", notesPath);
    const int records = recordsToSave < 0 ? 0 : recordsToSave;
    const DWORD size = AnyNoteHasText() ? static_cast<DWORD>(records) * sizeof(NoteRecord) : 0;
    if (!WriteWholeFile(temporaryPath, NoteTable, size) ||
        !MoveFileExA(temporaryPath, notesPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        DeleteFileA(temporaryPath);
}

void SaveAll() {
    recordsToSave = noteCount;
    SaveNotesFile();
    SaveSettings();
}
