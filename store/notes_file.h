// The notes file: the raw image of the open notes, rewritten whole at every save.
#pragma once
#include <string>

#include "platform/file_look.h"

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

// The notes file changed by another writer: the bytes this copy last read or wrote, the bytes now,
// and how the file looks now.
struct NotesFileChange {
    std::string base, theirs;
    FileLook look;
};
// Looks at the notes file (its size and time, its bytes only when those differ): true, with the
// change, when another writer changed it since this copy last read or wrote it.
bool ForeignNotesChange(NotesFileChange &change);
// Takes the file as it now is for what this copy last read, when this copy has nothing to add.
void AdoptNotesFile(const NotesFileChange &change);
// Nothing read yet, the file as it looks now: as before start-up reads it.
void ForgetNotesFileBase();
// Keeps the whole of more notes than can be open in the ".full" file beside the notes file.
bool KeepWholeNotes(const std::string &bytes);
