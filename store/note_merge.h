// Merging the notes file that another writer changed with this copy's table, record by record.
// Pure: records in, a plan out; the shell applies it to the windows.
#pragma once
#include <cstddef>
#include <vector>

#include "store/note_record.h"

// The note a record stands for: the record less its window handle and the font dialog's handle
// and address members (owner, DC, lpLogFont, hook, template name, instance, style string), which
// differ between processes and mean nothing on disk. Those fields are zero in the result.
NoteRecord IdentityOf(const NoteRecord &record);
// Two records are the same note when their identities are byte for byte equal.
bool SameNote(const NoteRecord &a, const NoteRecord &b);
// Same length and the same note at every position.
bool SameNotes(const std::vector<NoteRecord> &a, const std::vector<NoteRecord> &b);

// The complete records of a notes file's bytes, in file order; a partial tail is not a record.
// Every record is read, also beyond the 99 that can be open.
std::vector<NoteRecord> ReadNoteRecords(const void *bytes, size_t size);

// One record of the merged table.
struct MergedRecord {
    bool ours; // true: ours[index], which keeps its window; false: theirs[index], which needs one
    int index;
    // For a record of theirs: the record of ours it replaces (the same note, by creation time,
    // changed there), whose window may show it instead of closing; -1 for none.
    int follows;
};

struct NotesMerge {
    std::vector<MergedRecord> records; // the merged table, in its order
    std::vector<int> gone;             // records of ours neither kept nor followed: their windows close
    bool differsFromTheirs;            // the merged table is not theirs by SameNotes: it needs writing
};

// Three-way merge of base (the file as this copy last read or wrote it), theirs (the file now)
// and ours (this copy's table). Unchanged here (ours is base by SameNotes): theirs as it is.
// Otherwise: ours less what was in base and is gone from theirs, then what theirs added to base,
// in their order, less what ours added alike. Counts decide among equal records. A record of ours
// that is pinned (its dialog is open) is always kept. pinned has one flag per record of ours.
NotesMerge MergeNotes(const std::vector<NoteRecord> &base, const std::vector<NoteRecord> &theirs,
                      const std::vector<NoteRecord> &ours, const std::vector<bool> &pinned);

// The records of the merged table, each from the table the merge names.
std::vector<NoteRecord> MergedTable(const NotesMerge &merge, const std::vector<NoteRecord> &theirs,
                                    const std::vector<NoteRecord> &ours);
