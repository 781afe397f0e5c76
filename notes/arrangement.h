// The sort order and the tiling geometry of the arrangement. No platform headers here.
#pragma once
#include <cstdint>
#include <vector>

#include "settings/arrangement_choices.h"
#include "store/note_record.h"

// Orders two notes by sortKey and sortOrder as they stand at this call: negative when a comes
// first, positive when b does, 0 when they are equal.
int CompareNotes(const NoteRecord &a, const NoteRecord &b);

// What the arrangement needs of a note, in sorted order.
struct ArrangeItem {
    int x, y, width, height;
    uint16_t mode; // display mode, low 16 bits
};

struct ArrangeLayout {
    int corner, direction, spacing;
    bool fromFirst; // the first note stays and the others follow it
    bool timerMode;
    int screenWidth, screenHeight;
};

struct ArrangedPlace {
    int x, y;
    bool moved; // false for the notes the arrangement leaves where they are
};

// The new top-left corner of every note, in the order given.
std::vector<ArrangedPlace> ArrangePlaces(const std::vector<ArrangeItem> &items, const ArrangeLayout &layout);
