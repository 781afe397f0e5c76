#include "notes/arrangement.h"

#include "settings/settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <utility>

using Positions = std::vector<std::pair<int, int>>;

static std::vector<ArrangeItem> Notes(int count, int width = 200, int height = 100) {
    std::vector<ArrangeItem> items;
    for (int i = 0; i < count; ++i)
        items.push_back({500 + i, 300 + i, width, height, kModeNormal});
    return items;
}

static ArrangeLayout Layout(int corner, int direction, int screenWidth = 1024, int screenHeight = 768) {
    return {corner, direction, 10, false, false, screenWidth, screenHeight};
}

static Positions Arrange(const std::vector<ArrangeItem> &items, const ArrangeLayout &layout) {
    Positions got;
    for (const ArrangedPlace &place : ArrangePlaces(items, layout))
        got.push_back({place.x, place.y});
    return got;
}

TEST(ArrangeGeometry, ThreeNotesFromACorner) {
    EXPECT_EQ(Arrange(Notes(3), Layout(kCornerTopLeft, kDirectionRight)),
              (Positions{{0, 0}, {210, 0}, {420, 0}}));
    EXPECT_EQ(Arrange(Notes(3), Layout(kCornerTopLeft, kDirectionDown)),
              (Positions{{0, 0}, {0, 110}, {0, 220}}));
    EXPECT_EQ(Arrange(Notes(3), Layout(kCornerBottomRight, kDirectionLeft)),
              (Positions{{824, 668}, {614, 668}, {404, 668}}));
}

TEST(ArrangeGeometry, FromTheFirstNoteTheOthersFollowIt) {
    std::vector<ArrangeItem> items = Notes(3);
    items[0].x = items[0].y = 100;
    ArrangeLayout layout = Layout(kCornerTopLeft, kDirectionRight);
    layout.fromFirst = true;
    const std::vector<ArrangedPlace> places = ArrangePlaces(items, layout);
    EXPECT_FALSE(places[0].moved);
    EXPECT_EQ(Arrange(items, layout), (Positions{{100, 100}, {310, 100}, {520, 100}}));

    // From the bottom-right corner in column mode the next note goes right above the anchor.
    items[0].y = 400;
    layout.corner = kCornerBottomRight;
    layout.direction = kDirectionUp;
    EXPECT_EQ(Arrange(items, layout), (Positions{{100, 400}, {100, 290}, {100, 180}}));
}

TEST(ArrangeGeometry, AFullRowStartsTheNextOneAnAverageHeightLower) {
    EXPECT_EQ(Arrange(Notes(6), Layout(kCornerTopLeft, kDirectionRight, 640, 768)),
              (Positions{{0, 0}, {210, 0}, {420, 0}, {0, 110}, {210, 110}, {420, 110}}));
}

TEST(ArrangeGeometry, AWallpaperNoteStaysButCountsInTheAverages) {
    std::vector<ArrangeItem> items = Notes(4);
    items[1] = {50, 60, 400, 300, kModeWallpaper};
    // Average height (110 + 310 + 110 + 110) / 4 = 160: the second row starts there, not at 110.
    const std::vector<ArrangedPlace> places =
        ArrangePlaces(items, Layout(kCornerTopLeft, kDirectionRight, 600, 768));
    EXPECT_FALSE(places[1].moved);
    EXPECT_EQ(Arrange(items, Layout(kCornerTopLeft, kDirectionRight, 600, 768)),
              (Positions{{0, 0}, {50, 60}, {210, 0}, {0, 160}}));
}

TEST(ArrangeGeometry, UnderTimerATopmostFirstNoteKeepsItsPlace) {
    std::vector<ArrangeItem> items = Notes(2);
    items[0].mode = kModeTopmost;
    ArrangeLayout layout = Layout(kCornerTopLeft, kDirectionRight);
    EXPECT_EQ(Arrange(items, layout), (Positions{{0, 0}, {210, 0}})) << "without /TIMER it is arranged";
    layout.timerMode = true;
    EXPECT_EQ(Arrange(items, layout), (Positions{{500, 300}, {0, 0}}));
    std::swap(items[0], items[1]);
    EXPECT_EQ(Arrange(items, layout), (Positions{{0, 0}, {210, 0}}))
        << "only the first sorted note is spared";
}

// Six 200 x 100 notes on a 500 x 250 screen: rows wrap once and then start again at the corner;
// columns move one average width along and start again when they run off the far side.
TEST(ArrangeGeometry, AllFourCornersInRowAndColumnMode) {
    struct Case {
        int corner, direction;
        Positions expected;
    };
    const Case cases[] = {
        {kCornerTopLeft, kDirectionRight, {{0, 0}, {210, 0}, {0, 110}, {210, 110}, {0, 0}, {210, 0}}},
        {kCornerTopRight, kDirectionLeft, {{300, 0}, {90, 0}, {300, 110}, {90, 110}, {300, 0}, {90, 0}}},
        {kCornerBottomRight,
         kDirectionLeft,
         {{300, 150}, {90, 150}, {300, 40}, {90, 40}, {300, 150}, {90, 150}}},
        {kCornerBottomLeft,
         kDirectionRight,
         {{0, 150}, {210, 150}, {0, 40}, {210, 40}, {0, 150}, {210, 150}}},
        {kCornerTopLeft, kDirectionDown, {{0, 0}, {0, 110}, {210, 0}, {210, 110}, {420, 0}, {0, 0}}},
        {kCornerTopRight, kDirectionDown, {{300, 0}, {300, 110}, {90, 0}, {90, 110}, {-120, 0}, {300, 0}}},
        {kCornerBottomRight,
         kDirectionUp,
         {{300, 150}, {300, 40}, {90, 150}, {90, 40}, {-120, 150}, {300, 150}}},
        {kCornerBottomLeft, kDirectionUp, {{0, 150}, {0, 40}, {210, 150}, {210, 40}, {420, 150}, {0, 150}}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Arrange(Notes(6), Layout(c.corner, c.direction, 500, 250)), c.expected)
            << "corner " << c.corner << ", direction " << c.direction;
}

TEST(ArrangeGeometry, EdgesAndOddInputs) {
    EXPECT_EQ(Arrange(Notes(3), Layout(kCornerTopLeft, kDirectionRight, 620, 768)),
              (Positions{{0, 0}, {210, 0}, {420, 0}}))
        << "a note ending exactly on the edge fits";
    EXPECT_EQ(Arrange(Notes(2), Layout(kCornerTopLeft, kDirectionLeft)), (Positions{{0, 0}, {0, 0}}))
        << "a direction the corner does not offer never advances";
    EXPECT_EQ(Arrange(Notes(2, 2000, 100), Layout(kCornerTopLeft, kDirectionRight)),
              (Positions{{0, 110}, {0, 220}}))
        << "a note wider than the screen fails the test each time and is placed at the next row all the same";
    EXPECT_TRUE(ArrangePlaces({}, Layout(kCornerTopLeft, kDirectionRight)).empty());
}

TEST(ArrangeGeometry, ASingleNote) {
    ArrangeLayout layout = Layout(kCornerBottomLeft, kDirectionRight);
    EXPECT_EQ(Arrange(Notes(1), layout), (Positions{{0, 668}}));
    layout.fromFirst = true;
    EXPECT_EQ(Arrange(Notes(1), layout), (Positions{{500, 300}}));
}

TEST(ArrangeGeometry, CornerDirections) {
    EXPECT_EQ(FittingDirection(kCornerBottomRight, kDirectionDown), kDirectionUp);
    EXPECT_EQ(FittingDirection(kCornerTopLeft, kDirectionUp), kDirectionDown);
    EXPECT_EQ(FittingDirection(kCornerTopRight, kDirectionRight), kDirectionDown);
    EXPECT_EQ(FittingDirection(kCornerBottomLeft, kDirectionLeft), kDirectionUp);
    EXPECT_EQ(FittingDirection(kCornerBottomLeft, kDirectionRight), kDirectionRight);
    EXPECT_EQ(FittingDirection(kCornerTopRight, kDirectionLeft), kDirectionLeft);
    EXPECT_FALSE(DirectionFitsCorner(kCornerTopLeft, kDirectionLeft));
}

// ---- Sort order ----

class NoteOrder : public testing::Test {
protected:
    void TearDown() override {
        sortKey = kSortByCreation;
        sortOrder = kSortAscending;
    }
    static NoteRecord Record(const char *text, uint32_t color = 0, CreationTime created = {}) {
        NoteRecord r;
        std::memset(&r, 0, sizeof r);
        std::strcpy(r.text, text);
        r.backColor = color;
        r.created = created;
        return r;
    }
    // The texts of the records after sorting them as the arrangement does.
    static std::vector<std::string> Sorted(std::vector<NoteRecord> records) {
        std::sort(records.begin(), records.end(),
                  [](const NoteRecord &a, const NoteRecord &b) { return CompareNotes(a, b) < 0; });
        std::vector<std::string> texts;
        for (const NoteRecord &r : records)
            texts.push_back(r.text);
        return texts;
    }
};

TEST_F(NoteOrder, TextIsRawShiftJisByteOrder) {
    sortKey = kSortByText;
    // "あ" 82 A0, half-width "ｱ" B1, "漢" 8A BF, and a lead byte from E0 up.
    const std::vector<std::string> expected = {"A", "AB", "B", "\x82\xa0", "\x8a\xbf", "\xb1", "\xe0\x40"};
    EXPECT_EQ(Sorted({Record("\xe0\x40"), Record("\xb1"), Record("B"), Record("\x8a\xbf"), Record("AB"),
                      Record("\x82\xa0"), Record("A")}),
              expected);
    EXPECT_EQ(CompareNotes(Record("same"), Record("same")), 0);
}

TEST_F(NoteOrder, DescendingReversesTheOrder) {
    sortKey = kSortByText;
    sortOrder = kSortDescending;
    EXPECT_EQ(Sorted({Record("A"), Record("C"), Record("B")}), (std::vector<std::string>{"C", "B", "A"}));
    EXPECT_LT(CompareNotes(Record("B"), Record("A")), 0);
}

TEST_F(NoteOrder, ColourOrderWeighsBlueThenGreenThenRed) {
    sortKey = kSortByColor;
    EXPECT_EQ(Sorted({Record("blue", 0xFF0000), Record("red", 0x0000FF), Record("green", 0x00FF00)}),
              (std::vector<std::string>{"red", "green", "blue"}));
    EXPECT_EQ(CompareNotes(Record("a", 0x123456), Record("b", 0x123456)), 0);
}

TEST_F(NoteOrder, DamagedColourValuesStillGiveAConsistentOrder) {
    sortKey = kSortByColor;
    const NoteRecord low = Record("low", 0x80000000), zero = Record("zero", 0),
                     high = Record("high", 0x7FFFFFFF);
    EXPECT_LT(CompareNotes(low, zero), 0);
    EXPECT_LT(CompareNotes(zero, high), 0);
    EXPECT_LT(CompareNotes(low, high), 0) << "a wrapped difference would put high first";
    EXPECT_GT(CompareNotes(high, low), 0);
}

TEST_F(NoteOrder, CreationTimeIsStorageOrder) {
    const CreationTime older = {2026, 1, 31, 23, 59, 59}, newer = {2026, 2, 1, 0, 0, 0};
    const CreationTime sameDayLater = {2026, 2, 1, 0, 0, 1};
    EXPECT_EQ(
        Sorted({Record("later", 0, sameDayLater), Record("newer", 0, newer), Record("older", 0, older)}),
        (std::vector<std::string>{"older", "newer", "later"}));
    sortKey = 0; // any other key sorts by creation time
    EXPECT_LT(CompareNotes(Record("", 0, older), Record("", 0, newer)), 0);
    // The low byte comes first: 2048 (00 08) sorts before 2047 (FF 07).
    EXPECT_LT(CompareNotes(Record("", 0, {2048, 1, 1, 0, 0, 0}), Record("", 0, {2047, 1, 1, 0, 0, 0})), 0);
}

TEST_F(NoteOrder, AnyOrderOtherThanDescendingIsAscending) {
    sortKey = kSortByText;
    sortOrder = 7;
    EXPECT_LT(CompareNotes(Record("A"), Record("B")), 0);
}
