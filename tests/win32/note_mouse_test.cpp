#include "tests/win32/harness.h"

#include "platform/program.h"
#include "platform/program_files.h"
#include "store/note_table.h"
#include "store/notes_file.h"

#include <shlobj.h>

#include <cstring>

class NoteMouseTest : public ProgramTest {};

TEST_F(NoteMouseTest, DraggingMovesTheNoteAndSavesOnRelease) {
    const HWND note = OpenNote(MakeRecord(100, 100, 220, 66, "drag"));
    SendMouse(note, WM_LBUTTONDOWN, 110, 110);
    SendMouse(note, WM_MOUSEMOVE, 140, 150);
    SendMouse(note, WM_MOUSEMOVE, 150, 170);
    DeleteFileW(notesPath);
    SendMouse(note, WM_LBUTTONUP, 150, 170);
    const RECT r = WindowRectOf(note);
    EXPECT_EQ(r.left, 140);
    EXPECT_EQ(r.top, 160);
    EXPECT_EQ(NoteTable[0].x, 140);
    EXPECT_EQ(NoteTable[0].y, 160);
    EXPECT_EQ(ReadFileBytes(notesPath).size(), sizeof(NoteRecord)) << "saved on release";
}

TEST_F(NoteMouseTest, AClickWithoutMovementStillSaves) {
    const HWND note = OpenNote(MakeRecord(100, 100, 220, 66, "click"));
    DeleteFileW(notesPath);
    SendMouse(note, WM_LBUTTONDOWN, 110, 110);
    SendMouse(note, WM_LBUTTONUP, 110, 110);
    EXPECT_TRUE(FileIsThere(notesPath));
}

TEST_F(NoteMouseTest, TheGripResizesKeepingTheTopLeftCorner) {
    const HWND note = OpenNote(MakeRecord(100, 100, 220, 66, "resize"));
    SendMouse(note, WM_MOUSEMOVE, 315, 160); // client (215, 60): inside the grip
    SendMouse(note, WM_LBUTTONDOWN, 315, 160);
    SendMouse(note, WM_MOUSEMOVE, 345, 180);
    SendMouse(note, WM_LBUTTONUP, 345, 180);
    const RECT r = WindowRectOf(note);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, 100);
    EXPECT_EQ(r.right - r.left, 250);
    EXPECT_EQ(r.bottom - r.top, 86);
    EXPECT_EQ(NoteTable[0].width, 250);
}

TEST_F(NoteMouseTest, AResizeStopsAtEightPixels) {
    const HWND note = OpenNote(MakeRecord(100, 100, 220, 66, "shrink"));
    SendMouse(note, WM_MOUSEMOVE, 315, 160);
    SendMouse(note, WM_LBUTTONDOWN, 315, 160);
    SendMouse(note, WM_MOUSEMOVE, 20, 20);
    SendMouse(note, WM_LBUTTONUP, 20, 20);
    const RECT r = WindowRectOf(note);
    EXPECT_EQ(r.right - r.left, 8);
    EXPECT_EQ(r.bottom - r.top, 8);
    EXPECT_EQ(r.left, 100);
}

TEST_F(NoteMouseTest, LeavingTheGripEndsTheResizeMode) {
    const HWND note = OpenNote(MakeRecord(100, 100, 220, 66, "grip"));
    SendMouse(note, WM_MOUSEMOVE, 315, 160);
    SendMouse(note, WM_MOUSEMOVE, 150, 120); // out of the grip again
    SendMouse(note, WM_LBUTTONDOWN, 150, 120);
    SendMouse(note, WM_MOUSEMOVE, 170, 130);
    SendMouse(note, WM_LBUTTONUP, 170, 130);
    const RECT r = WindowRectOf(note);
    EXPECT_EQ(r.right - r.left, 220) << "moved, not resized";
    EXPECT_EQ(r.left, 120);
}

TEST_F(NoteMouseTest, OffScreenPointerIsIgnoredThenTheWholeDistanceIsMadeUp) {
    const HWND note = OpenNote(MakeRecord(100, 100, 220, 66, "edge"));
    SendMouse(note, WM_LBUTTONDOWN, 110, 110);
    SendMouse(note, WM_MOUSEMOVE, -20, 110);
    EXPECT_EQ(WindowRectOf(note).left, 100) << "the note waits while the pointer is off the screen";
    SendMouse(note, WM_MOUSEMOVE, 50, 130);
    SendMouse(note, WM_LBUTTONUP, 50, 130);
    EXPECT_EQ(WindowRectOf(note).left, 40);
    EXPECT_EQ(WindowRectOf(note).top, 120);
}

TEST_F(NoteMouseTest, WallpaperNotesIgnoreTheMouse) {
    NoteRecord r = MakeRecord(100, 100, 220, 66, "wallpaper");
    r.displayMode = kModeWallpaper;
    const HWND note = OpenNote(r);
    DeleteFileW(notesPath);
    SendMouse(note, WM_LBUTTONDOWN, 110, 110);
    SendMouse(note, WM_MOUSEMOVE, 200, 200);
    SendMouse(note, WM_LBUTTONUP, 200, 200);
    EXPECT_EQ(WindowRectOf(note).left, 100);
    EXPECT_FALSE(FileIsThere(notesPath)) << "no save either";
}

TEST_F(NoteMouseTest, UnderTimerTheTopmostFirstNoteStaysButOthersMove) {
    timerMode = 1;
    NoteRecord first = MakeRecord(100, 100, 220, 66, "clock");
    first.displayMode = kModeTopmost;
    const HWND clock = OpenNote(first);
    NoteRecord second = first;
    second.y = 300;
    const HWND other = OpenNote(second);
    for (HWND note : {clock, other}) {
        const RECT before = WindowRectOf(note);
        SendMouse(note, WM_LBUTTONDOWN, before.left + 10, before.top + 10);
        SendMouse(note, WM_MOUSEMOVE, before.left + 30, before.top + 10);
        SendMouse(note, WM_LBUTTONUP, before.left + 30, before.top + 10);
    }
    EXPECT_EQ(WindowRectOf(clock).left, 100);
    EXPECT_EQ(WindowRectOf(other).left, 120);
    timerMode = 0;
}

// Alt+Tab or a system dialog takes the capture in mid-drag: the drag ends where the note stands,
// saved once; the pointer no longer moves the note and a stray release does nothing.
TEST_F(NoteMouseTest, LosingTheCaptureEndsTheDrag) {
    const HWND note = OpenNote(MakeRecord(100, 100, 220, 66, "drag"));
    SendMouse(note, WM_LBUTTONDOWN, 110, 110);
    SendMouse(note, WM_MOUSEMOVE, 140, 150);
    DeleteFileW(notesPath);
    SetCapture(mainWindow);
    ReleaseCapture();
    EXPECT_EQ(NoteTable[0].x, 130);
    EXPECT_EQ(ReadFileBytes(notesPath).size(), sizeof(NoteRecord)) << "saved when the drag ended";
    DeleteFileW(notesPath);
    SendMouse(note, WM_MOUSEMOVE, 300, 300);
    SendMouse(note, WM_LBUTTONUP, 300, 300);
    EXPECT_EQ(WindowRectOf(note).left, 130) << "the note followed the pointer without a button";
    EXPECT_FALSE(FileIsThere(notesPath)) << "a release without a drag saved";
}

// Notes accept dropped files but take nothing from them: the drop is released, the text stays.
TEST_F(NoteMouseTest, AFileDroppedOnANoteIsReleased) {
    const HWND note = OpenNote(MakeRecord(100, 100, 220, 66, "text"));
    const char file[] = "C:\\dropped.txt\0";
    HGLOBAL drop = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + sizeof file);
    auto *header = static_cast<DROPFILES *>(GlobalLock(drop));
    header->pFiles = sizeof(DROPFILES);
    std::memcpy(header + 1, file, sizeof file);
    GlobalUnlock(drop);
    SendMessageA(note, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    EXPECT_EQ(GlobalSize(drop), 0u) << "the drop was never released";
    EXPECT_STREQ(NoteTable[0].text, "text");
}
