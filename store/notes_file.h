// The notes file: the raw image of the open notes, rewritten whole at every save.
#pragma once

// True when the notes file that start-up loaded held more records than notes can be open; the
// whole file was then copied to the ".full" file beside it before any save drops the rest.
extern bool notesFileBeyondLimit;

// Copies a non-empty notes file over the backup at start-up.
void BackupNotesFile();
// Start-up's first step with the notes file: false, after a message, when it exists but cannot
// be read, so that the program ends before it writes anything.
bool NotesFileReadable();
// Reads the notes file into the note table from slot 0; sets recordsToSave. False, after a
// message, when the file exists but cannot be read, or its records beyond the table cannot be
// kept: the program then ends without writing over it.
bool LoadNotesFile();
// Writes slots 0 .. recordsToSave-1, or nothing when every open note is empty.
void SaveNotesFile();
