// Geometry rules of note windows: placement of new notes, the resize grip, dragging limits.
#pragma once
#include <vector>

struct NoteRect {
    int x, y, width, height;
};

// A part of the screen: left and top inside it, right and bottom just past it.
struct ScreenRect {
    int left, top, right, bottom;
};

// A monitor: the whole of it, and its work area (without the taskbar).
struct MonitorArea {
    ScreenRect whole, work;
};

constexpr int kGripSize = 16;     // the grip is the 15 x 15 pixels left by strict comparisons
constexpr int kMinNoteExtent = 8; // a resize never makes a note smaller than this

// A new note that would reach below its monitor goes to the monitor's top, 16 pixels to the right;
// one that would reach past the monitor's right edge goes to its left edge. Ending on the edge is
// allowed. The sums are taken in 64 bits, so positions and sizes from a file cannot wrap them.
NoteRect CorrectPlacement(NoteRect r, const ScreenRect &monitor);

// A restored note that no monitor shows, not even in part, would be out of the mouse's reach: it
// moves, size kept, to the nearest place inside the work area of the nearest monitor, and shrinks
// only where it is larger than that area. Any other note, and any note when no monitor is known,
// stays exactly where it is.
NoteRect BringIntoReach(NoteRect r, const std::vector<MonitorArea> &monitors);

// The width or height of a new note: one below the smallest a resize can make gives the
// built-in template's instead, so no new note is too small to be seen or grabbed.
int NewNoteExtent(int extent, int builtInExtent);

// The bottom-right corner of the client area, where a press resizes instead of moving.
bool InGripZone(int x, int y, int clientWidth, int clientHeight);

// A drag follows only pointer positions inside the screen rectangle (all monitors), its right and
// bottom ends included.
bool PointerOnScreen(int x, int y, const ScreenRect &screen);

// The new width or height of a resized note: grows by the pointer's travel, never below 8.
int ResizedExtent(int extent, int travel);
