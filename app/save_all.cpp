#include "app/save_all.h"

#include "settings/settings.h"
#include "store/note_table.h"
#include "store/notes_file.h"

void SaveAll() {
    recordsToSave = noteCount;
    SaveNotesFile();
    SaveSettings();
}
