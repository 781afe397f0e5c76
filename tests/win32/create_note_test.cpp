#include "tests/win32/harness.h"
#include "tests/sjis_words.h"

#include "app/commands.h"
#include "notes/create_note.h"
#include "platform/program.h"
#include "platform/program_files.h"
#include "res/resource.h"
#include "settings/defaults.h"
#include "settings/settings.h"
#include "store/note_table.h"

#include <cstring>

class CreateNoteTest : public ProgramTest {
protected:
    // A new note made from the window as a command on it would make it.
    NoteRecord &NewFrom(HWND source) {
        lastCommandWindow = source;
        CreateNote(source, 1);
        return NoteTable[noteCount - 1];
    }
};

TEST_F(CreateNoteTest, NewNoteGoesBelowItsSourceWithItsSize) {
    noteSpacing = 3;
    const HWND source = OpenNote(MakeRecord(100, 100, 220, 66, "source"));
    const NoteRecord &made = NewFrom(source);
    EXPECT_EQ(made.x, 100);
    EXPECT_EQ(made.y, 169);
    EXPECT_EQ(made.width, 220);
    EXPECT_EQ(made.height, 66);
    const RECT r = WindowRectOf(NoteWindowOf(made));
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, 169);
    EXPECT_EQ(made.text[0], '\0');
    EXPECT_NE(made.created.year, 0) << "stamped with the creation time";
}

TEST_F(CreateNoteTest, PlacementCorrectionsAtTheScreenEdges) {
    const HWND low = OpenNote(MakeRecord(100, 690, 220, 66));
    const NoteRecord &moved = NewFrom(low);
    EXPECT_EQ(moved.y, 0);
    EXPECT_EQ(moved.x, 116);

    const HWND lowRight = OpenNote(MakeRecord(900, 690, 220, 66));
    EXPECT_EQ(NewFrom(lowRight).x, 0) << "916 + 220 passes the right edge";

    const HWND exact = OpenNote(MakeRecord(10, 633, 220, 66));
    const NoteRecord &kept = NewFrom(exact);
    EXPECT_EQ(kept.y, 702) << "ending exactly on the bottom edge is not moved";
    EXPECT_EQ(kept.x, 10);
}

TEST_F(CreateNoteTest, FromTheTrayBelowTheLastNoteWithTemplateAttributes) {
    inheritBackColor = inheritTaskbar = inheritWrap = inheritDisplayMode = 1;
    NoteRecord first = MakeRecord(10, 10, 100, 50), second = MakeRecord(300, 200, 150, 80);
    second.backColor = 0x0000FF;
    second.taskbarFlag = second.wrapFlag = 1;
    second.displayMode = kModeTopmost;
    OpenNote(first);
    OpenNote(second);
    const NoteRecord &made = NewFrom(mainWindow);
    EXPECT_EQ(made.x, 300);
    EXPECT_EQ(made.y, 280 + noteSpacing);
    EXPECT_EQ(made.width, 150);
    EXPECT_EQ(made.backColor, templateNote.backColor);
    EXPECT_EQ(made.taskbarFlag, 0);
    EXPECT_EQ(made.wrapFlag, 0);
    EXPECT_EQ(ModeOf(made), kModeNormal);
}

TEST_F(CreateNoteTest, FromTheTrayWithNoNoteAtTheTemplatePlace) {
    const NoteRecord &made = NewFrom(mainWindow);
    EXPECT_EQ(made.x, 150);
    EXPECT_EQ(made.y, 100);
    EXPECT_EQ(made.width, 220);
    EXPECT_EQ(made.height, 66);
    EXPECT_EQ(made.backColor, 0x80FFFFu);
    EXPECT_EQ(TextColorOf(made), GetSysColor(COLOR_WINDOWTEXT));
}

// A template or a source window smaller than a resize can make gives the built-in size.
TEST_F(CreateNoteTest, ANewNoteIsNeverSmallerThanEightPixels) {
    templateNote.width = 7;
    templateNote.height = -40;
    const NoteRecord &fromTemplate = NewFrom(mainWindow);
    EXPECT_EQ(fromTemplate.width, 220);
    EXPECT_EQ(fromTemplate.height, 66);
    const RECT r = WindowRectOf(NoteWindowOf(fromTemplate));
    EXPECT_EQ(r.right - r.left, 220);

    const HWND tiny = OpenNote(MakeRecord(10, 10, 3, 300));
    const NoteRecord &below = NewFrom(tiny);
    EXPECT_EQ(below.width, 220);
    EXPECT_EQ(below.height, 300);
}

TEST_F(CreateNoteTest, FontIsInheritedOnlyWhenAsked) {
    NoteRecord styled = MakeRecord(10, 10, 100, 50);
    std::strcpy(styled.font.lfFaceName, "IPAGothic");
    styled.fontDialog.rgbColors = 0x123456;
    const HWND source = OpenNote(styled);
    inheritFont = 1;
    const NoteRecord &withFont = NewFrom(source);
    EXPECT_STREQ(withFont.font.lfFaceName, "IPAGothic");
    EXPECT_EQ(TextColorOf(withFont), 0x123456u);
    EXPECT_EQ(withFont.fontDialog.lpLogFont,
              static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&withFont.font)));
    inheritFont = 0;
    const NoteRecord &plain = NewFrom(source);
    EXPECT_STREQ(plain.font.lfFaceName, templateNote.font.lfFaceName);
    EXPECT_EQ(TextColorOf(plain), TextColorOf(MakeRecord(0, 0, 1, 1)));
}

TEST_F(CreateNoteTest, DisplayModeIsInheritedOnlyWhenAsked) {
    NoteRecord wallpaper = MakeRecord(10, 10, 100, 50);
    wallpaper.displayMode = kModeWallpaper;
    const HWND source = OpenNote(wallpaper);
    inheritDisplayMode = 1;
    EXPECT_EQ(ModeOf(NewFrom(source)), kModeWallpaper);
    inheritDisplayMode = 0;
    EXPECT_EQ(ModeOf(NewFrom(source)), kModeNormal);
}

// A restored note that the screen shows even in part stays where it was stored; one it does not
// show at all moves, size kept, into the work area nearest to it.
TEST_F(CreateNoteTest, RestoredNotesAreNotCorrectedUnlessOutOfReach) {
    const HWND partly = OpenNote(MakeRecord(1000, 700, 100, 50, "partly shown"));
    EXPECT_EQ(WindowRectOf(partly).left, 1000);
    EXPECT_EQ(WindowRectOf(partly).top, 700);
    const HWND off = OpenNote(MakeRecord(2000, 100, 100, 50, "far away"));
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const RECT r = WindowRectOf(off);
    EXPECT_EQ(r.left, work.right - 100);
    EXPECT_EQ(r.top, 100);
    EXPECT_EQ(r.right - r.left, 100);
    EXPECT_EQ(NoteTable[1].x, work.right - 100) << "the next save stores the new place";
}

// Sizes the platform will not make stay in the record through mode changes and saves, until
// the user gives the note a size of its own.
TEST_F(CreateNoteTest, RestoredNotesKeepStoredSizesThePlatformRefuses) {
    const HWND negative = OpenNote(MakeRecord(100, 100, -5, -7, "negative"));
    const HWND huge = OpenNote(MakeRecord(100, 200, 100000, 90000, "huge"));
    SetShift(true);
    DispatchCommand(huge, IDM_MODE_TOPMOST); // every note takes the mode, and all are saved
    SetShift(false);
    const std::string bytes = ReadFileBytes(notesPath);
    ASSERT_EQ(bytes.size(), 2 * sizeof(NoteRecord));
    NoteRecord saved[2];
    std::memcpy(saved, bytes.data(), bytes.size());
    EXPECT_EQ(saved[0].width, -5);
    EXPECT_EQ(saved[0].height, -7);
    EXPECT_EQ(saved[1].width, 100000);
    EXPECT_EQ(saved[1].height, 90000);

    MoveWindow(negative, 100, 100, 40, 30, FALSE);
    StoreWindowRect(NoteTable[FindNote(negative)], negative);
    EXPECT_EQ(NoteTable[FindNote(negative)].width, 40) << "resized by the user";
}

TEST_F(CreateNoteTest, TheHundredthNoteIsRefusedWithTheLimitMessage) {
    for (int i = 0; i < 98; ++i)
        OpenNote(MakeRecord(i, i, 20, 20));
    OpenNote(MakeRecord(5, 5, 20, 20));
    EXPECT_EQ(noteCount, 99) << "the 99th note is allowed";
    std::string message;
    ExpectDialogs({{ERROR_CAPTION, [&](HWND box) {
                        message = MessageBoxText(box);
                        PressButton(box, IDOK);
                    }}});
    NewFrom(NoteWindowOf(NoteTable[0]));
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_EQ(message, SJ_NOTE_LIMIT);
    EXPECT_EQ(noteCount, 99);
}

// The window field of a stored record is the handle of the run that saved it. A note whose window
// cannot be made holds none, so it is never taken for a window that now has that handle.
TEST_F(CreateNoteTest, ANoteWithoutAWindowIsNeverFoundByAnOldHandle) {
    NoteRecord r = MakeRecord(100, 100, 120, 60, "windowless");
    SetNoteWindow(r, mainWindow); // the value happens to be a live window's now
    OpenWindowlessNote(r);
    ASSERT_EQ(noteCount, 1) << "the record is kept";
    EXPECT_EQ(NoteTable[0].window, 0u);
    EXPECT_EQ(FindNote(mainWindow), noteCount);
    EXPECT_EQ(FindNote(nullptr), noteCount);
}

// Alt+F4, or WM_CLOSE from another program, leaves the note as it is: only the program's own
// commands close a note, so no record is left with a dead window.
TEST_F(CreateNoteTest, WmCloseLeavesTheNote) {
    const HWND note = OpenNote(MakeRecord(100, 100, 120, 60, "stays"));
    SendMessageW(note, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(note));
    EXPECT_EQ(FindNote(note), 0);
    EXPECT_EQ(noteCount, 1);
}

// Nothing the platform did not fill is taken for a place: the rectangle of a window that is gone
// leaves the stored geometry as it was.
TEST_F(CreateNoteTest, AWindowThatIsGoneLeavesTheStoredGeometry) {
    NoteRecord record = MakeRecord(100, 200, 120, 60, "kept");
    const HWND gone =
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 5, 5, 50, 50, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    StoreWindowRect(record, gone);
    EXPECT_EQ(record.x, 100);
    EXPECT_EQ(record.y, 200);
    EXPECT_EQ(record.width, 120);
    EXPECT_EQ(record.height, 60);
}
