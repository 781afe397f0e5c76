#include "settings/defaults_file.h"

#include "app/program.h"
#include "settings/defaults.h"
#include "settings/defaults_record.h"
#include "settings/settings.h"
#include "store/note_table.h"

static void ApplyDefaultsRecord(const DefaultsRecord &r) {
    const uint16_t mask = r.fieldMask;
    if (mask & kMaskTaskbar) inheritTaskbar = static_cast<int8_t>(r.taskbarFlag);
    if (mask & kMaskWrap) inheritWrap = static_cast<int8_t>(r.wrapFlag);
    if (mask & kMaskX) templateNote.x = r.x;
    if (mask & kMaskY) templateNote.y = r.y;
    if (mask & kMaskWidth) templateNote.width = r.width;
    if (mask & kMaskHeight) templateNote.height = r.height;
    if (mask & kMaskDisplayMode) inheritDisplayMode = r.displayMode;
    if (mask & kMaskBackColor) templateNote.backColor = r.backColor;
    if (mask & kMaskFont) templateNote.font = r.font;
    if (mask & kMaskFontDialog) templateNote.fontDialog = r.fontDialog;
}

void LoadDefaultsFile(int applyToSlot) {
    HANDLE file =
        CreateFileA(defaultsPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DefaultsRecord record;
        DWORD read = 0;
        // A shorter file applies nothing.
        if (ReadFile(file, &record, sizeof record, &read, nullptr) && read == sizeof record)
            ApplyDefaultsRecord(record);
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
    HANDLE file = CreateFileA(defaultsPath, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, &record, sizeof record, &written, nullptr);
    CloseHandle(file);
    // Read back, so the template and the inheritance settings change at once; slot 0 keeps its note.
    LoadDefaultsFile(0);
}
