// The notes file: the raw image of the open notes, rewritten whole at every save.
#pragma once

// Copies a non-empty notes file over the backup at start-up.
void BackupNotesFile();
// Reads the notes file into the note table from slot 0; sets recordsToSave.
void LoadNotesFile();
// Writes slots 0 .. recordsToSave-1, or nothing when every open note is empty.
void SaveNotesFile();
// recordsToSave := noteCount, then the notes file, then the settings file.
void SaveAll();
