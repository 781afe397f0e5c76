#include "notes/arrangement.h"

#include "settings/settings.h"

#include <cstring>

static int SignOf(int64_t value) {
    return (value > 0) - (value < 0);
}

// Raw Shift-JIS byte order, not a collation. A text that lacks its NUL (a damaged notes file)
// is compared over its field and no further.
static int CompareTexts(const char *a, const char *b) {
    for (int i = 0; i < kTextSize; ++i) {
        const unsigned char byteA = static_cast<unsigned char>(a[i]);
        const unsigned char byteB = static_cast<unsigned char>(b[i]);
        if (byteA != byteB) return byteA < byteB ? -1 : 1;
        if (byteA == 0) return 0;
    }
    return 0;
}

// The sign of a - b as signed 32-bit values, taken without the subtraction: with colour values
// beyond 24 bits (a damaged notes file) the difference overflows and the order would no longer
// be consistent, which the sort does not survive.
static int CompareColors(uint32_t a, uint32_t b) {
    return SignOf(static_cast<int64_t>(static_cast<int32_t>(a)) - static_cast<int32_t>(b));
}

// Byte by byte in storage order (low byte of each field first), as the notes file holds them.
static int CompareCreationTimes(const CreationTime &a, const CreationTime &b) {
    return SignOf(std::memcmp(&a, &b, sizeof a));
}

int CompareNotes(const NoteRecord &a, const NoteRecord &b) {
    int result;
    switch (sortKey) {
    case kSortByText: result = CompareTexts(a.text, b.text); break;
    case kSortByColor: result = CompareColors(a.backColor, b.backColor); break;
    default: result = CompareCreationTimes(a.created, b.created); break;
    }
    return sortOrder == kSortDescending ? -result : result;
}

namespace {

// The cursor marks the corner of the next note that matches the screen corner. It is kept in
// 64 bits so that absurd sizes from a damaged notes file cannot overflow it.
struct Tiler {
    CornerSides sides;
    bool rowMode, columnMode;
    int64_t screenWidth, screenHeight, spacing, averageWidth, averageHeight;
    int64_t startX, startY;
    int64_t cx, cy;

    // Moves the cursor beside a note just placed, one spacing away in the direction of travel.
    // A direction that is neither the row nor the column one never advances.
    void AdvancePast(int64_t left, int64_t top, int64_t w, int64_t h) {
        if (rowMode)
            cx = sides.fromLeft ? left + w + spacing : left - spacing;
        else if (columnMode)
            cy = sides.fromTop ? top + h + spacing : top - spacing;
    }

    // Ending exactly on the edge still fits.
    void HorizontalTest(int64_t w) {
        const bool fails = sides.fromLeft ? cx + w > screenWidth : cx - w < 0;
        if (!fails) return;
        cx = startX;
        if (rowMode)
            cy = sides.fromTop ? cy + averageHeight : cy - averageHeight;
        else
            cy = startY;
    }

    void VerticalTest(int64_t h) {
        const bool fails = sides.fromTop ? cy + h > screenHeight : cy - h < 0;
        if (!fails) return;
        if (rowMode)
            cx = startX;
        else
            cx = sides.fromLeft ? cx + averageWidth : cx - averageWidth;
        cy = startY;
    }

    ArrangedPlace Place(const ArrangeItem &item) {
        HorizontalTest(item.width);
        VerticalTest(item.height);
        const int64_t left = sides.fromLeft ? cx : cx - item.width;
        const int64_t top = sides.fromTop ? cy : cy - item.height;
        AdvancePast(left, top, item.width, item.height);
        return {static_cast<int>(left), static_cast<int>(top), true};
    }

    // The notes follow the anchor as if it had just been placed where it is.
    void StartAfterAnchor(const ArrangeItem &anchor) {
        cx = sides.fromLeft ? anchor.x : int64_t{anchor.x} + anchor.width;
        cy = sides.fromTop ? anchor.y : int64_t{anchor.y} + anchor.height;
        AdvancePast(anchor.x, anchor.y, anchor.width, anchor.height);
    }
};

// Every note counts in the averages, the skipped ones and the anchor included.
int64_t AverageExtent(const std::vector<ArrangeItem> &items, int spacing, bool widths) {
    int64_t sum = 0;
    for (const ArrangeItem &item : items)
        sum += int64_t{widths ? item.width : item.height} + spacing;
    return sum / static_cast<int64_t>(items.size());
}

Tiler MakeTiler(const std::vector<ArrangeItem> &items, const ArrangeLayout &layout) {
    Tiler t{};
    t.sides = SidesOf(layout.corner);
    t.rowMode = layout.direction == RowDirectionOf(layout.corner);
    t.columnMode = layout.direction == ColumnDirectionOf(layout.corner);
    t.screenWidth = layout.screenWidth;
    t.screenHeight = layout.screenHeight;
    t.spacing = layout.spacing;
    t.averageWidth = AverageExtent(items, layout.spacing, true);
    t.averageHeight = AverageExtent(items, layout.spacing, false);
    t.startX = t.sides.fromLeft ? 0 : t.screenWidth;
    t.startY = t.sides.fromTop ? 0 : t.screenHeight;
    t.cx = t.startX;
    t.cy = t.startY;
    return t;
}

// Wallpaper notes stay where they are; under /TIMER so does a topmost note that sorts first,
// which keeps a clock note in its place.
bool StaysInPlace(const ArrangeItem &item, size_t k, const ArrangeLayout &layout) {
    return item.mode == kModeWallpaper || (layout.timerMode && k == 0 && item.mode == kModeTopmost);
}

} // namespace

std::vector<ArrangedPlace> ArrangePlaces(const std::vector<ArrangeItem> &items, const ArrangeLayout &layout) {
    std::vector<ArrangedPlace> places;
    for (const ArrangeItem &item : items)
        places.push_back({item.x, item.y, false});
    if (items.empty()) return places;
    Tiler tiler = MakeTiler(items, layout);
    size_t k = 0;
    if (layout.fromFirst) tiler.StartAfterAnchor(items[k++]);
    for (; k < items.size(); ++k)
        if (!StaysInPlace(items[k], k, layout)) places[k] = tiler.Place(items[k]);
    return places;
}
