#include "tests/win32/harness.h"

#include "platform/program.h"
#include "store/note_table.h"

#include <cstring>

class NoteTableTest : public ProgramTest {};

static void OpenThree() {
    OpenNote(MakeRecord(10, 10, 100, 50, "one"));
    OpenNote(MakeRecord(10, 70, 100, 50, "two"));
    OpenNote(MakeRecord(10, 130, 100, 50, "three"));
    std::strcpy(UndoTable[1].text, "undo two");
    std::strcpy(UndoTable[2].text, "undo three");
}

static bool SlotIsZero(const NoteRecord &r) {
    static const NoteRecord zero = {};
    return std::memcmp(&r, &zero, sizeof r) == 0;
}

TEST_F(NoteTableTest, FindNoteReturnsTheSlotOrNoteCount) {
    EXPECT_EQ(FindNote(mainWindow), 0) << "empty table";
    OpenThree();
    EXPECT_EQ(FindNote(NoteWindowOf(NoteTable[2])), 2);
    EXPECT_EQ(FindNote(mainWindow), 3);
    EXPECT_EQ(FindNote(nullptr), 3);
}

TEST_F(NoteTableTest, ClosingTheFirstNoteCompactsBothTables) {
    OpenThree();
    const HWND first = NoteWindowOf(NoteTable[0]);
    CloseNote(0);
    EXPECT_EQ(noteCount, 2);
    EXPECT_STREQ(NoteTable[0].text, "two");
    EXPECT_STREQ(NoteTable[1].text, "three");
    EXPECT_STREQ(UndoTable[0].text, "undo two");
    EXPECT_STREQ(UndoTable[1].text, "undo three");
    EXPECT_TRUE(SlotIsZero(NoteTable[2]));
    EXPECT_TRUE(SlotIsZero(UndoTable[2]));
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(GetActiveWindow(), NoteWindowOf(NoteTable[0]));
}

TEST_F(NoteTableTest, ClosingTheLastNoteClearsItsSlotAndActivatesThePrevious) {
    OpenThree();
    CloseNote(2);
    EXPECT_EQ(noteCount, 2);
    EXPECT_TRUE(SlotIsZero(NoteTable[2]));
    EXPECT_TRUE(SlotIsZero(UndoTable[2]));
    EXPECT_EQ(GetActiveWindow(), NoteWindowOf(NoteTable[1]));
}

TEST_F(NoteTableTest, AClosedNotesUndoTextDoesNotReachTheNextNewNote) {
    OpenThree();
    CloseNote(2);
    CloseNote(1);
    CloseNote(0);
    EXPECT_EQ(noteCount, 0);
    EXPECT_TRUE(SlotIsZero(NoteTable[0]));
    OpenNote(MakeRecord(10, 10, 100, 50, "new"));
    EXPECT_EQ(UndoTable[0].text[0], '\0');
}

TEST_F(NoteTableTest, CloseMinusOneLeavesTheTables) {
    OpenThree();
    // Closing the main window is what Exit does last; here a spare main window stands in.
    const HWND realMain = mainWindow;
    mainWindow = CreateWindowExW(0, kWindowClassName, L"spare", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 programInstance, nullptr);
    const HWND spare = mainWindow;
    CloseNote(-1);
    mainWindow = realMain;
    EXPECT_FALSE(IsWindow(spare));
    EXPECT_EQ(noteCount, 3);
    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "destroying it ends the loop";
}
