#include "tests/win32/harness.h"

#include "app/commands.h"
#include "app/save_all.h"
#include "notes/arrange_notes.h"
#include "platform/program.h"
#include "platform/program_files.h"
#include "res/resource.h"
#include "settings/defaults.h"
#include "settings/settings.h"
#include "store/note_table.h"
#include "store/notes_file.h"

#include <cstring>

class ArrangeTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        noteSpacing = 10;
        arrangeFromFirst = 0;
        sortKey = IDC_SORT_TEXT;
        sortOrder = IDC_SORT_ASCENDING;
    }
    // Three 200 x 100 notes whose text order is not their table order.
    void OpenThree() {
        c = OpenNote(MakeRecord(300, 300, 200, 100, "c"));
        a = OpenNote(MakeRecord(320, 420, 200, 100, "a"));
        b = OpenNote(MakeRecord(340, 540, 200, 100, "b"));
    }
    HWND a = nullptr, b = nullptr, c = nullptr;
};

static POINT TopLeft(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return {r.left, r.top};
}

static bool operator==(POINT p, POINT q) {
    return p.x == q.x && p.y == q.y;
}
static std::ostream &operator<<(std::ostream &out, POINT p) {
    return out << "(" << p.x << ", " << p.y << ")";
}

TEST_F(ArrangeTest, WindowsMoveToTheirSortedPlaces) {
    OpenThree();
    arrangeCorner = IDC_CORNER_TOP_LEFT;
    arrangeDirection = IDC_DIRECTION_RIGHT;
    ArrangeNotes(a);
    EXPECT_EQ(TopLeft(a), (POINT{0, 0}));
    EXPECT_EQ(TopLeft(b), (POINT{210, 0}));
    EXPECT_EQ(TopLeft(c), (POINT{420, 0}));

    EXPECT_EQ(NoteTable[2].x, 420);
    EXPECT_EQ(NoteTable[2].y, 0);
    RECT size;
    GetWindowRect(c, &size);
    EXPECT_EQ(size.right - size.left, 200) << "the size is kept";
}

TEST_F(ArrangeTest, TheScreenSizeIsReadAgain) {
    OpenThree();
    screenWidth = 640;
    screenHeight = 480;
    arrangeCorner = IDC_CORNER_TOP_RIGHT;
    arrangeDirection = IDC_DIRECTION_DOWN;
    ArrangeNotes(a);
    EXPECT_EQ(screenWidth, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(screenHeight, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(TopLeft(a), (POINT{screenWidth - 200, 0}));
}

TEST_F(ArrangeTest, TheNextSaveWritesTheSortedOrder) {
    OpenThree();
    sortOrder = IDC_SORT_DESCENDING;
    ArrangeNotes(a);
    EXPECT_EQ(FindNote(c), 0);
    EXPECT_EQ(FindNote(b), 1);
    EXPECT_EQ(FindNote(a), 2);
    SaveAll();
    const std::string file = ReadFileBytes(notesPath);
    ASSERT_EQ(file.size(), 3 * sizeof(NoteRecord));
    const char *expected[] = {"c", "b", "a"};
    for (int i = 0; i < 3; ++i) {
        NoteRecord r;
        std::memcpy(&r, file.data() + i * sizeof r, sizeof r);
        EXPECT_STREQ(r.text, expected[i]) << "record " << i;
        EXPECT_EQ(POINT({r.x, r.y}), TopLeft(NoteWindowOf(NoteTable[i]))) << "record " << i;
    }
}

TEST_F(ArrangeTest, UndoCopiesFollowTheirNotes) {
    OpenThree();
    std::strcpy(UndoTable[0].text, "old c");
    std::strcpy(UndoTable[1].text, "old a");
    ArrangeNotes(a);
    EXPECT_STREQ(UndoTable[0].text, "old a");
    EXPECT_STREQ(UndoTable[1].text, "") << "b has no undo copy";
    EXPECT_STREQ(UndoTable[2].text, "old c");
    DispatchCommand(c, IDM_UNDO);
    EXPECT_STREQ(NoteTable[FindNote(c)].text, "old c");
    EXPECT_STREQ(NoteTable[FindNote(b)].text, "b");
}

TEST_F(ArrangeTest, AWallpaperNoteKeepsItsPlaceAndTakesItsSortedSlot) {
    OpenThree();
    DispatchCommand(a, IDM_MODE_WALLPAPER);
    const POINT before = TopLeft(a);
    arrangeCorner = IDC_CORNER_TOP_LEFT;
    arrangeDirection = IDC_DIRECTION_RIGHT;
    DispatchCommand(b, IDM_ARRANGE);
    EXPECT_EQ(TopLeft(a), before);
    EXPECT_EQ(FindNote(a), 0);
    EXPECT_EQ(TopLeft(b), (POINT{0, 0}));
    EXPECT_EQ(TopLeft(c), (POINT{210, 0}));
}
