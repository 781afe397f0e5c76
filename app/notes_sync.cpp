#include "app/notes_sync.h"

#include "notes/create_note.h"
#include "notes/note_mouse.h"
#include "platform/program.h"
#include "settings/settings.h"
#include "store/note_merge.h"
#include "store/note_table.h"
#include "store/notes_file.h"

#include <cstring>
#include <string>
#include <vector>

static bool merging;

bool MergeUnderWay() {
    return merging;
}

namespace {

// A note of the merged table, with the undo copy it keeps.
struct MergedNote {
    NoteRecord record, undo;
    bool follows;     // shows a note of theirs in the window of our older version of it
    bool needsWindow; // a note of theirs new here
};

} // namespace

static std::vector<NoteRecord> OurNotes() {
    return std::vector<NoteRecord>(NoteTable, NoteTable + noteCount);
}

// Notes whose command or dialog is under way here stay, whatever the other writer did.
static std::vector<bool> HeldNotes() {
    std::vector<bool> held(noteCount);
    for (int i = 0; i < noteCount; ++i)
        held[i] = NoteHeld(NoteWindowOf(NoteTable[i]));
    return held;
}

static std::vector<MergedNote> MergedNotes(const NotesMerge &merge, const std::vector<NoteRecord> &theirs) {
    std::vector<MergedNote> notes;
    for (const MergedRecord &m : merge.records) {
        if (m.ours) {
            notes.push_back({NoteTable[m.index], UndoTable[m.index], false, false});
            continue;
        }
        MergedNote note = {theirs[m.index], NoteRecord{}, m.follows >= 0, m.follows < 0};
        note.record.window = m.follows >= 0 ? NoteTable[m.follows].window : 0;
        if (m.follows >= 0) note.undo = UndoTable[m.follows];
        notes.push_back(note);
    }
    return notes;
}

// More notes than can be open: all of them are kept in the ".full" file, and the first 99 stay.
static bool KeepWithinLimit(std::vector<MergedNote> &notes) {
    if (notes.size() <= static_cast<size_t>(kMaxNotes)) return false;
    std::string bytes;
    for (const MergedNote &note : notes)
        bytes.append(reinterpret_cast<const char *>(&note.record), sizeof note.record);
    KeepWholeNotes(bytes);
    notes.resize(kMaxNotes);
    return true;
}

// The windows of our notes that the merged table no longer shows.
static std::vector<HWND> WindowsLeftOut(const std::vector<MergedNote> &notes) {
    std::vector<HWND> left;
    for (int i = 0; i < noteCount; ++i) {
        const uint32_t window = NoteTable[i].window;
        bool kept = false;
        for (const MergedNote &note : notes)
            kept = kept || (!note.needsWindow && note.record.window == window);
        if (!kept && window) left.push_back(NoteWindowOf(NoteTable[i]));
    }
    return left;
}

// Puts the merged notes into the tables: those that have a window first, then one at a time each
// new one, opened as start-up opens a restored note; last, every note moves to its merged place.
static void FillTables(const std::vector<MergedNote> &notes) {
    const int before = noteCount;
    std::vector<int> slotOf(notes.size());
    noteCount = 0;
    for (size_t i = 0; i < notes.size(); ++i) {
        if (notes[i].needsWindow) continue;
        slotOf[i] = noteCount;
        NoteTable[noteCount] = notes[i].record;
        UndoTable[noteCount++] = notes[i].undo;
    }
    for (int i = noteCount; i < before; ++i) {
        std::memset(&NoteTable[i], 0, sizeof(NoteRecord));
        std::memset(&UndoTable[i], 0, sizeof(NoteRecord));
    }
    for (size_t i = 0; i < notes.size(); ++i) {
        if (!notes[i].needsWindow) continue;
        slotOf[i] = noteCount;
        NoteTable[noteCount] = notes[i].record;
        std::memset(&UndoTable[noteCount], 0, sizeof(NoteRecord)); // nothing to undo yet
        CreateNote(nullptr, 0);
    }
    std::vector<NoteRecord> records(notes.size()), undo(notes.size());
    for (size_t i = 0; i < notes.size(); ++i) {
        records[i] = NoteTable[slotOf[i]];
        undo[i] = UndoTable[slotOf[i]];
    }
    for (size_t i = 0; i < notes.size(); ++i) {
        NoteTable[i] = records[i];
        UndoTable[i] = undo[i];
    }
}

// A note changed there keeps its window here: it moves, takes its mode and is drawn anew.
static void Follow(const NoteRecord &record) {
    const HWND window = NoteWindowOf(record);
    const int index = FindNote(window);
    if (!window || index >= noteCount) return;
    SetWindowPos(window, nullptr, record.x, record.y, record.width, record.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    KeepStoredSize(NoteTable[index], window, record.width, record.height);
    SetDisplayMode(window, ModeOf(record));
    RepaintNote(window);
}

// Closes what is gone, opens what is new and moves what changed, so that the screen shows the
// merged table. No history entry is written: the other writer logged its own peel-off.
static void ApplyMerge(const NotesMerge &merge, const std::vector<NoteRecord> &theirs) {
    std::vector<MergedNote> notes = MergedNotes(merge, theirs);
    const bool limited = KeepWithinLimit(notes);
    const std::vector<HWND> leftOut = WindowsLeftOut(notes);
    FillTables(notes);
    for (HWND window : leftOut)
        DestroyWindow(window);
    for (const MergedNote &note : notes)
        if (note.follows) Follow(note.record);
    if (limited) ShowNoteLimitMessage();
}

// Merges another writer's notes when the file changed; true when the merged table differs from
// the file and so has to be written.
static bool MergeOtherWriter() {
    NotesFileChange change;
    if (merging || !ForeignNotesChange(change)) return false;
    const std::vector<NoteRecord> theirs = ReadNoteRecords(change.theirs.data(), change.theirs.size());
    const NotesMerge merge =
        MergeNotes(ReadNoteRecords(change.base.data(), change.base.size()), theirs, OurNotes(), HeldNotes());
    merging = true;
    ApplyMerge(merge, theirs);
    merging = false;
    if (!merge.differsFromTheirs) AdoptNotesFile(change);
    return merge.differsFromTheirs;
}

void MergeOtherWritersNotes() {
    MergeOtherWriter();
}

void TakeInOtherWriters() {
    if (programEnding || merging || dragActive) return;
    if (MergeOtherWriter()) {
        recordsToSave = noteCount;
        SaveNotesFile();
    }
    TakeInSettingsFile();
}
