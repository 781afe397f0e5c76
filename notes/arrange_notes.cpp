#include "notes/arrange_notes.h"

#include "notes/arrangement.h"
#include "platform/program.h"
#include "settings/defaults.h"
#include "settings/settings.h"
#include "store/note_table.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <vector>

// The slots of the open notes in sorted order. Sorting slot numbers instead of the records
// themselves lets the undo copies take the same new order.
static std::vector<int> SortedSlots() {
    std::vector<int> order(noteCount);
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [](int a, int b) { return CompareNotes(NoteTable[a], NoteTable[b]) < 0; });
    return order;
}

// Fills WorkTable with all slots of a table, the open notes' slots in the given order.
static void CopyInOrder(const NoteRecord *table, const std::vector<int> &order) {
    std::memcpy(WorkTable, table, kTableBytes);
    for (size_t k = 0; k < order.size(); ++k)
        WorkTable[k] = table[order[k]];
}

static ArrangeLayout CurrentLayout() {
    return {arrangeCorner,  arrangeDirection, noteSpacing, arrangeFromFirst != 0,
            timerMode != 0, screenWidth,      screenHeight};
}

static std::vector<ArrangeItem> ItemsOf(const NoteRecord *records, int count) {
    std::vector<ArrangeItem> items;
    for (int k = 0; k < count; ++k) {
        const NoteRecord &r = records[k];
        items.push_back({r.x, r.y, r.width, r.height, ModeOf(r)});
    }
    return items;
}

// Moves each placed note, keeping its size. NoteTable is still in its old order while the
// notes repaint; the paint finds each note by its window, which is all it needs.
static void PlaceNotes(NoteRecord *sorted, const std::vector<ArrangedPlace> &places) {
    for (size_t k = 0; k < places.size(); ++k) {
        if (!places[k].moved) continue;
        NoteRecord &r = sorted[k];
        r.x = places[k].x;
        r.y = places[k].y;
        MoveWindow(NoteWindowOf(r), r.x, r.y, r.width, r.height, TRUE);
    }
}

void ArrangeNotes(HWND) {
    if (noteCount <= 0) return;
    screenWidth = GetSystemMetrics(SM_CXSCREEN);
    screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const std::vector<int> order = SortedSlots();
    CopyInOrder(NoteTable, order);
    PlaceNotes(WorkTable, ArrangePlaces(ItemsOf(WorkTable, noteCount), CurrentLayout()));
    std::memcpy(NoteTable, WorkTable, kTableBytes);
    // An undo copy belongs to its note, not to a slot: Undo after an arrangement must bring back
    // that note's own previous text, so the undo table takes the same new order.
    CopyInOrder(UndoTable, order);
    std::memcpy(UndoTable, WorkTable, kTableBytes);
}
