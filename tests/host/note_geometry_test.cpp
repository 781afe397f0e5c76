#include "notes/note_geometry.h"

#include <gtest/gtest.h>

TEST(NotePlacement, BelowTheScreenGoesToTheTopAndRight) {
    const NoteRect r = CorrectPlacement({100, 720, 220, 66}, 1024, 768);
    EXPECT_EQ(r.x, 116);
    EXPECT_EQ(r.y, 0);
}

TEST(NotePlacement, PastTheRightEdgeGoesToTheLeftEdge) {
    const NoteRect r = CorrectPlacement({900, 100, 220, 66}, 1024, 768);
    EXPECT_EQ(r.x, 0);
    EXPECT_EQ(r.y, 100);
    const NoteRect both = CorrectPlacement({800, 720, 220, 66}, 1024, 768);
    EXPECT_EQ(both.x, 0) << "816 + 220 passes the right edge after the first correction";
    EXPECT_EQ(both.y, 0);
}

TEST(NotePlacement, EndingExactlyOnTheEdgeStays) {
    const NoteRect r = CorrectPlacement({804, 702, 220, 66}, 1024, 768);
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
    EXPECT_TRUE(PointerOnScreen(0, 0, 1024, 768));
    EXPECT_TRUE(PointerOnScreen(1024, 768, 1024, 768));
    EXPECT_FALSE(PointerOnScreen(-1, 10, 1024, 768));
    EXPECT_FALSE(PointerOnScreen(10, 769, 1024, 768));
    EXPECT_EQ(ResizedExtent(220, -300), 8);
    EXPECT_EQ(ResizedExtent(220, 30), 250);
}

// Positions near the limits of 32 bits must not wrap the sums and leave a note off the screen.
TEST(NotePlacement, SumsNearTheLimitsDoNotWrap) {
    const NoteRect low = CorrectPlacement({100, 2147483000, 220, 66000}, 1024, 768);
    EXPECT_EQ(low.y, 0);
    EXPECT_EQ(low.x, 116);
    const NoteRect right = CorrectPlacement({2147483000, 100, 66000, 66}, 1024, 768);
    EXPECT_EQ(right.x, 0);
    EXPECT_EQ(CorrectPlacement({2147483640, 2147483000, 66000, 66000}, 1024, 768).x, 0);
}

TEST(NewNote, NeverSmallerThanEightPixels) {
    EXPECT_EQ(NewNoteExtent(7, 220), 220);
    EXPECT_EQ(NewNoteExtent(-5, 66), 66);
    EXPECT_EQ(NewNoteExtent(8, 220), 8);
    EXPECT_EQ(NewNoteExtent(300, 220), 300);
}
