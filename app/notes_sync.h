// Taking in what another writer (another copy of the program in the same folder, a sync tool
// between PCs) did to the notes and settings files since this copy last read or wrote them.
#pragma once

// Before a save: merges another writer's notes into the table and the windows; the save then
// writes the merged table.
void MergeOtherWritersNotes();

// When the folder changed, and every few seconds: merges as above, and writes the notes file only
// when the merged table differs from it; the settings file likewise, key by key. Put off while
// a note is dragged: the release saves, and merges then.
void TakeInOtherWriters();

// True while a merge is being applied to the windows: a save then would write half of it.
bool MergeUnderWay();
