#include "settings/arrangement_choices.h"

CornerSides SidesOf(int corner) {
    switch (corner) {
    case kCornerTopRight: return {false, true};
    case kCornerBottomRight: return {false, false};
    case kCornerBottomLeft: return {true, false};
    default: return {true, true}; // the settings file admits only the four corners
    }
}

int RowDirectionOf(int corner) {
    return SidesOf(corner).fromLeft ? kDirectionRight : kDirectionLeft;
}
int ColumnDirectionOf(int corner) {
    return SidesOf(corner).fromTop ? kDirectionDown : kDirectionUp;
}

bool DirectionFitsCorner(int corner, int direction) {
    return direction == RowDirectionOf(corner) || direction == ColumnDirectionOf(corner);
}

int FittingDirection(int corner, int direction) {
    return DirectionFitsCorner(corner, direction) ? direction : ColumnDirectionOf(corner);
}
