// The sort order and the tiling geometry of the arrangement. No platform headers here.
#pragma once
#include <cstdint>
#include <vector>

#include "res/resource.h"
#include "store/note_record.h"

// The values of sortKey, sortOrder, arrangeCorner and arrangeDirection are the ids of the
// radio buttons that choose them on the arrangement page.
enum SortKey : int {
    kSortByCreation = IDC_SORT_CREATION,
    kSortByText = IDC_SORT_TEXT,
    kSortByColor = IDC_SORT_COLOR
};
enum SortOrder : int { kSortAscending = IDC_SORT_ASCENDING, kSortDescending = IDC_SORT_DESCENDING };
enum Corner : int {
    kCornerTopLeft = IDC_CORNER_TOP_LEFT,
    kCornerTopRight = IDC_CORNER_TOP_RIGHT,
    kCornerBottomRight = IDC_CORNER_BOTTOM_RIGHT,
    kCornerBottomLeft = IDC_CORNER_BOTTOM_LEFT
};
enum Direction : int {
    kDirectionRight = IDC_DIRECTION_RIGHT,
    kDirectionDown = IDC_DIRECTION_DOWN,
    kDirectionLeft = IDC_DIRECTION_LEFT,
    kDirectionUp = IDC_DIRECTION_UP
};

// Orders two notes by sortKey and sortOrder as they stand at this call: negative when a comes
// first, positive when b does, 0 when they are equal.
int CompareNotes(const NoteRecord &a, const NoteRecord &b);

// The direction along the corner's horizontal edge (row mode) and along its vertical edge.
int RowDirectionOf(int corner);
int ColumnDirectionOf(int corner);
// A corner offers only its row and its column direction; any other one becomes the column one.
bool DirectionFitsCorner(int corner, int direction);
int FittingDirection(int corner, int direction);

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
