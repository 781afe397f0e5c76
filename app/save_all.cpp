#include "app/save_all.h"

#include "app/notes_sync.h"
#include "platform/program.h"
#include "settings/settings.h"
#include "store/note_table.h"
#include "store/notes_file.h"

void SaveAll() {
    if (programEnding) return; // Exit has saved; what closes after it is not the user's table
    if (MergeUnderWay()) return; // the merge saves when it is done, if it has anything to add
    MergeOtherWritersNotes();
    recordsToSave = noteCount;
    SaveNotesFile();
    SaveSettings();
}
