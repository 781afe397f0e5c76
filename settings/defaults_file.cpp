#include "settings/defaults_file.h"

#include "platform/file_error_message.h"
#include "platform/file_util.h"
#include "platform/program.h"
#include "platform/program_files.h"
#include "platform/whole_file_save.h"
#include "settings/defaults.h"
#include "settings/defaults_record.h"
#include "settings/settings.h"
#include "store/note_table.h"

#include <cstring>
#include <string>

// A file held by another program a moment is waited for; one that stays unreadable is left as it
// is for the run, and the built-in template serves meanwhile.
void LoadDefaultsFile(int applyToSlot) {
    std::string file;
    if (const DWORD error = ReadWholeFileWaiting(defaultsPath, file)) {
        KeepFileUnwritten(defaultsPath, error);
        ShowFileErrorMessage(defaultsPath, "このデフォルト設定ファイルを読み込めません.", error,
                             "組み込みのデフォルト設定で動き, このファイルは変更しません.");
    } else if (file.size() >= sizeof(DefaultsRecord)) { // a shorter file applies nothing
        DefaultsRecord record;
        std::memcpy(&record, file.data(), sizeof record);
        ApplyDefaultsRecord(record, templateNote);
    }
    if (applyToSlot == 1) ApplyTemplateToRecord(NoteTable[0]);
}

// Only an open note has attributes to save. For any other window (the main window, or a note
// removed while the dialog was up) the file and the template are left as they are: a free
// slot would make every new note zero pixels wide and high.
void SaveDefaultsFile(HWND window, uint16_t mask) {
    const int index = FindNote(window);
    if (index >= noteCount) return;
    const DefaultsRecord record = MakeDefaultsRecord(NoteTable[index], mask);
    const DWORD error = ReplaceWholeFileBytes(defaultsPath, &record, sizeof record);
    ReportSaveOutcome(defaultsPath, error);
    if (error) return; // the template keeps its values
    // Read back, so the template and the inheritance settings change at once; slot 0 keeps its note.
    LoadDefaultsFile(0);
}
