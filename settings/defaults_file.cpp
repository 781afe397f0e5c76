#include "settings/defaults_file.h"

#include "platform/program.h"
#include "platform/program_files.h"
#include "platform/whole_file_save.h"
#include "settings/defaults.h"
#include "settings/defaults_record.h"
#include "settings/settings.h"
#include "store/note_table.h"

void LoadDefaultsFile(int applyToSlot) {
    HANDLE file =
        CreateFileW(defaultsPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DefaultsRecord record;
        DWORD read = 0;
        // A shorter file applies nothing.
        if (ReadFile(file, &record, sizeof record, &read, nullptr) && read == sizeof record)
            ApplyDefaultsRecord(record, templateNote);
        CloseHandle(file);
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
