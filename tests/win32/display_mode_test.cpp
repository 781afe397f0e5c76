#include "tests/win32/harness.h"

#include "notes/create_note.h"
#include "notes/note_mouse.h"
#include "platform/program.h"
#include "platform/program_files.h"
#include "store/note_table.h"
#include "store/notes_file.h"

class DisplayModeTest : public ProgramTest {};

static LONG ExStyle(HWND window) {
    return GetWindowLongA(window, GWL_EXSTYLE);
}

TEST_F(DisplayModeTest, TaskbarButtonOnlyWithFlagOneAndNotInWallpaperMode) {
    NoteRecord r = MakeRecord(10, 10, 100, 50);
    r.taskbarFlag = 1;
    const HWND note = OpenNote(r);
    EXPECT_FALSE(ExStyle(note) & WS_EX_TOOLWINDOW);
    SetDisplayMode(note, kModeWallpaper);
    EXPECT_TRUE(ExStyle(note) & WS_EX_TOOLWINDOW) << "wallpaper notes have no taskbar button";
    SetDisplayMode(note, kModeTopmost);
    EXPECT_FALSE(ExStyle(note) & WS_EX_TOOLWINDOW);

    NoteRecord two = MakeRecord(10, 100, 100, 50);
    two.taskbarFlag = 2; // only exactly 1 gives a button
    EXPECT_TRUE(ExStyle(OpenNote(two)) & WS_EX_TOOLWINDOW);
}

TEST_F(DisplayModeTest, ModesSetTheZOrderAndAreStored) {
    const HWND note = OpenNote(MakeRecord(10, 10, 100, 50));
    SetDisplayMode(note, kModeTopmost);
    EXPECT_TRUE(ExStyle(note) & WS_EX_TOPMOST);
    EXPECT_EQ(ModeOf(NoteTable[0]), kModeTopmost);
    SetDisplayMode(note, kModeNormal);
    EXPECT_FALSE(ExStyle(note) & WS_EX_TOPMOST) << "normal mode ends the topmost placement";
    EXPECT_TRUE(IsWindowVisible(note));
    SetDisplayMode(note, kModeWallpaper);
    EXPECT_EQ(ModeOf(NoteTable[0]), kModeWallpaper);
    for (HWND below = GetWindow(note, GW_HWNDNEXT); below; below = GetWindow(below, GW_HWNDNEXT))
        EXPECT_FALSE(IsWindowVisible(below)) << "a visible window below the wallpaper note";
}

TEST_F(DisplayModeTest, ApplyingAModeStoresTheWindowsGeometry) {
    const HWND note = OpenNote(MakeRecord(10, 10, 100, 50));
    MoveWindow(note, 40, 60, 120, 70, TRUE);
    SetDisplayMode(note, kModeNormal);
    EXPECT_EQ(NoteTable[0].x, 40);
    EXPECT_EQ(NoteTable[0].y, 60);
    EXPECT_EQ(NoteTable[0].width, 120);
    EXPECT_EQ(NoteTable[0].height, 70);
}

TEST_F(DisplayModeTest, WallpaperNotesRefuseMouseActivation) {
    NoteRecord r = MakeRecord(10, 10, 100, 50);
    r.displayMode = kModeWallpaper;
    const HWND wallpaper = OpenNote(r);
    const HWND normal = OpenNote(MakeRecord(200, 10, 100, 50));
    EXPECT_EQ(SendMessageA(wallpaper, WM_MOUSEACTIVATE, 0, 0), MA_NOACTIVATEANDEAT);
    EXPECT_NE(SendMessageA(normal, WM_MOUSEACTIVATE, 0, 0), MA_NOACTIVATEANDEAT);
}

TEST_F(DisplayModeTest, EndOfSessionSavesAndAgrees) {
    OpenNote(MakeRecord(10, 10, 100, 50, "keep me"));
    DeleteFileW(notesPath);
    EXPECT_EQ(SendMessageA(mainWindow, WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_EQ(ReadFileBytes(notesPath).size(), sizeof(NoteRecord));
}

// Whether a lies above b in the z-order.
static bool Above(HWND a, HWND b) {
    for (HWND w = GetWindow(a, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT))
        if (w == b) return true;
    return false;
}

TEST_F(DisplayModeTest, NormalModeBringsAWallpaperNoteBackToTheTop) {
    NoteRecord r = MakeRecord(10, 10, 100, 50);
    r.displayMode = kModeWallpaper;
    const HWND wallpaper = OpenNote(r);
    const HWND other = OpenNote(MakeRecord(50, 30, 100, 50));
    EXPECT_TRUE(Above(other, wallpaper));
    SetDisplayMode(wallpaper, kModeNormal);
    EXPECT_TRUE(Above(wallpaper, other)) << "normal mode places the note at the top";
}

// Showing a window raises it; a wallpaper note must still end below the notes opened before it.
TEST_F(DisplayModeTest, AWallpaperNoteEndsBelowANormalOne) {
    const HWND normal = OpenNote(MakeRecord(10, 10, 100, 50));
    NoteRecord r = MakeRecord(50, 30, 100, 50);
    r.displayMode = kModeWallpaper;
    const HWND wallpaper = OpenNote(r);
    EXPECT_TRUE(Above(normal, wallpaper)) << "restored in wallpaper mode";
    SetDisplayMode(wallpaper, kModeNormal);
    SetDisplayMode(wallpaper, kModeWallpaper);
    EXPECT_TRUE(Above(normal, wallpaper)) << "switched to wallpaper mode";
}

// The scenario seen on a plain X display: notes restored as topmost B, normal D, normal A,
// wallpaper C over A, normal E. Whatever activates C afterwards (here the activation a removed
// note hands on to the note before it) leaves it below A and not active.
TEST_F(DisplayModeTest, AWallpaperNoteStaysAtTheBottomAndIsNeverLeftActive) {
    NoteRecord b = MakeRecord(600, 10, 100, 50);
    b.displayMode = kModeTopmost;
    OpenNote(b);
    const HWND d = OpenNote(MakeRecord(400, 10, 100, 50));
    const HWND a = OpenNote(MakeRecord(10, 10, 100, 50));
    NoteRecord c = MakeRecord(50, 30, 100, 50);
    c.displayMode = kModeWallpaper;
    const HWND wallpaper = OpenNote(c);
    OpenNote(MakeRecord(200, 10, 100, 50));
    SetActiveWindow(d);
    CloseNote(4); // the note after the wallpaper one: the activation goes to the wallpaper note
    PumpMessages();
    EXPECT_TRUE(Above(a, wallpaper)) << "the wallpaper note rose above a normal one";
    EXPECT_NE(GetActiveWindow(), wallpaper);
    SetWindowPos(wallpaper, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_TRUE(Above(a, wallpaper)) << "raised by another program";
}

// What the screen shows at a point, as drawn: on a plain X display that is the X server's stacking.
static COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF color = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return color;
}

// Restored at start as topmost B, normal D, normal A, wallpaper C over A, normal E: where C and A
// overlap the screen shows A, on a plain X display too, where Wine stacks the windows by the order
// they were made and raised rather than by the z-order it keeps.
TEST_F(DisplayModeTest, AWallpaperNoteRestoredAtStartIsDrawnBelowTheNotesBeforeIt) {
    ProgramRun run;
    const auto record = [](int x, int y, const char *text, int mode, COLORREF color) {
        NoteRecord r = MakeRecord(x, y, 100, 50, text);
        r.displayMode = mode;
        r.backColor = color;
        return Bytes(&r, sizeof r);
    };
    const COLORREF blue = RGB(0, 0, 255), red = RGB(255, 0, 0), yellow = RGB(255, 255, 128);
    WriteFileBytes(run.DataFile(".DAT"),
                   record(600, 10, "B", kModeTopmost, yellow) + record(400, 10, "D", kModeNormal, yellow) +
                       record(10, 10, "A", kModeNormal, blue) + record(50, 30, "C", kModeWallpaper, red) +
                       record(200, 10, "E", kModeNormal, yellow));
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(run.WaitUntilRunning());
    ASSERT_TRUE(run.WaitForNotes(5));
    EXPECT_TRUE(WaitFor([&] { return ScreenPixel(80, 50) == blue; })) << "the wallpaper note is drawn on top";
}
