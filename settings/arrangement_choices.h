// What the arrangement settings can hold: corners, directions, sort keys and orders, and the two
// directions each corner offers. No platform headers here.
#pragma once

#include "res/resource.h"

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

// A corner as the two screen edges it starts from.
struct CornerSides {
    bool fromLeft, fromTop;
};
CornerSides SidesOf(int corner);

// The direction along the corner's horizontal edge (row mode) and along its vertical edge.
int RowDirectionOf(int corner);
int ColumnDirectionOf(int corner);
// A corner offers only its row and its column direction; any other one becomes the column one.
bool DirectionFitsCorner(int corner, int direction);
int FittingDirection(int corner, int direction);
