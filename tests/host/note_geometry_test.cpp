#include "notes/note_geometry.h"

#include <gtest/gtest.h>

// One monitor of 1024 x 768, as the program's examples assume.
static const ScreenRect kScreen = {0, 0, 1024, 768};

TEST(NotePlacement, BelowTheScreenGoesToTheTopAndRight) {
    const NoteRect r = CorrectPlacement({100, 720, 220, 66}, kScreen);
    EXPECT_EQ(r.x, 116);
    EXPECT_EQ(r.y, 0);
}

TEST(NotePlacement, PastTheRightEdgeGoesToTheLeftEdge) {
    const NoteRect r = CorrectPlacement({900, 100, 220, 66}, kScreen);
    EXPECT_EQ(r.x, 0);
    EXPECT_EQ(r.y, 100);
    const NoteRect both = CorrectPlacement({800, 720, 220, 66}, kScreen);
    EXPECT_EQ(both.x, 0) << "816 + 220 passes the right edge after the first correction";
    EXPECT_EQ(both.y, 0);
}

TEST(NotePlacement, EndingExactlyOnTheEdgeStays) {
    const NoteRect r = CorrectPlacement({804, 702, 220, 66}, kScreen);
    EXPECT_EQ(r.x, 804);
    EXPECT_EQ(r.y, 702);
}

TEST(NoteGrip, IsTheFifteenPixelCorner) {
    EXPECT_TRUE(InGripZone(219, 65, 220, 66));
    EXPECT_TRUE(InGripZone(205, 51, 220, 66));
    EXPECT_FALSE(InGripZone(204, 65, 220, 66));
    EXPECT_FALSE(InGripZone(219, 50, 220, 66));
}

TEST(NoteDrag, PointerLimitsAndMinimumSize) {
    EXPECT_TRUE(PointerOnScreen(0, 0, kScreen));
    EXPECT_TRUE(PointerOnScreen(1024, 768, kScreen));
    EXPECT_FALSE(PointerOnScreen(-1, 10, kScreen));
    EXPECT_FALSE(PointerOnScreen(10, 769, kScreen));
    EXPECT_EQ(ResizedExtent(220, -300), 8);
    EXPECT_EQ(ResizedExtent(220, 30), 250);
}

// Positions near the limits of 32 bits must not wrap the sums and leave a note off the screen.
TEST(NotePlacement, SumsNearTheLimitsDoNotWrap) {
    const NoteRect low = CorrectPlacement({100, 2147483000, 220, 66000}, kScreen);
    EXPECT_EQ(low.y, 0);
    EXPECT_EQ(low.x, 116);
    const NoteRect right = CorrectPlacement({2147483000, 100, 66000, 66}, kScreen);
    EXPECT_EQ(right.x, 0);
    EXPECT_EQ(CorrectPlacement({2147483640, 2147483000, 66000, 66000}, kScreen).x, 0);
}

TEST(NewNote, NeverSmallerThanEightPixels) {
    EXPECT_EQ(NewNoteExtent(7, 220), 220);
    EXPECT_EQ(NewNoteExtent(-5, 66), 66);
    EXPECT_EQ(NewNoteExtent(8, 220), 8);
    EXPECT_EQ(NewNoteExtent(300, 220), 300);
}

// Two layouts that one display cannot show: a monitor to the left of the primary (negative x) and
// a lower one to its right. A new note keeps to the monitor of the note it was made from.
TEST(NotePlacement, WithinTheMonitorOfTheReference) {
    const ScreenRect left = {-1280, -200, 0, 824}, right = {1024, 0, 1664, 480};
    struct Case {
        NoteRect note;
        ScreenRect monitor;
        int x, y;
    } cases[] = {
        {{-300, 900, 220, 66}, left, -284, -200}, // below the left monitor: its top, 16 further
        {{-100, 100, 220, 66}, left, -1280, 100}, // past its right edge (x 0): its left edge
        {{-220, 758, 220, 66}, left, -220, 758},  // ending exactly on both edges stays
        {{1400, 450, 220, 66}, right, 1416, 0},   // below the lower monitor's 480
        {{1500, 100, 220, 66}, right, 1024, 100}, // past 1664
        {{1100, 300, 220, 66}, right, 1100, 300}, // inside
    };
    for (const Case &c : cases) {
        const NoteRect placed = CorrectPlacement(c.note, c.monitor);
        EXPECT_EQ(placed.x, c.x) << c.note.x << "," << c.note.y;
        EXPECT_EQ(placed.y, c.y) << c.note.x << "," << c.note.y;
    }
}

TEST(NoteDrag, ThePointerMayCrossIntoEveryMonitor) {
    const ScreenRect virtualScreen = {-1280, -200, 1664, 824};
    EXPECT_TRUE(PointerOnScreen(-1280, -200, virtualScreen));
    EXPECT_TRUE(PointerOnScreen(1664, 824, virtualScreen));
    EXPECT_TRUE(PointerOnScreen(1300, 10, virtualScreen));
    EXPECT_FALSE(PointerOnScreen(-1281, 10, virtualScreen));
    EXPECT_FALSE(PointerOnScreen(10, 825, virtualScreen));
}

// A primary 0,0-1024,768 (taskbar 40 high) and a monitor to its left at -1280,-200-0,824.
TEST(RestoredNote, OnlyANoteNoMonitorShowsIsBroughtIntoReach) {
    const std::vector<MonitorArea> monitors = {
        {{0, 0, 1024, 768}, {0, 0, 1024, 728}},
        {{-1280, -200, 0, 824}, {-1280, -200, 0, 824}},
    };
    struct Case {
        NoteRect note, expected;
    } cases[] = {
        {{100, 100, 220, 66}, {100, 100, 220, 66}},                  // shown
        {{1000, 760, 220, 66}, {1000, 760, 220, 66}},                // shown in part
        {{-1300, 500, 220, 66}, {-1300, 500, 220, 66}},              // shown in part by the left monitor
        {{2000, 100, 220, 66}, {804, 100, 220, 66}},                 // right of everything: the primary
        {{1100, 900, 220, 66}, {804, 662, 220, 66}},                 // below and right: into the work area
        {{-2000, -500, 220, 66}, {-1280, -200, 220, 66}},            // nearest is the left monitor
        {{300, 800, 2000, 1000}, {0, 0, 1024, 728}},                 // larger than the work area: shrunk
        {{-100, 900, 220, 66}, {-220, 758, 220, 66}},                // below both: the left one is nearer
        {{2147483000, 2147483000, 66000, 66000}, {0, 0, 1024, 728}}, // at the limits of 32 bits
    };
    for (const Case &c : cases) {
        const NoteRect r = BringIntoReach(c.note, monitors);
        EXPECT_EQ(r.x, c.expected.x) << c.note.x << "," << c.note.y;
        EXPECT_EQ(r.y, c.expected.y) << c.note.x << "," << c.note.y;
        EXPECT_EQ(r.width, c.expected.width) << c.note.x << "," << c.note.y;
        EXPECT_EQ(r.height, c.expected.height) << c.note.x << "," << c.note.y;
    }
    EXPECT_EQ(BringIntoReach({5000, 5000, 10, 10}, {}).x, 5000) << "no monitor known: left alone";
}
