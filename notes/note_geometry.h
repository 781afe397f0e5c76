// Geometry rules of note windows: placement of new notes, the resize grip, dragging limits.
#pragma once

struct NoteRect {
    int x, y, width, height;
};

constexpr int kGripSize = 16;     // the grip is the 15 x 15 pixels left by strict comparisons
constexpr int kMinNoteExtent = 8; // a resize never makes a note smaller than this

// A new note that would reach below the screen goes to the top, 16 pixels to the right; one
// that would reach past the right edge goes to the left edge. Ending on the edge is allowed.
// The sums are taken in 64 bits, so positions and sizes from a file cannot wrap them.
NoteRect CorrectPlacement(NoteRect r, int screenWidth, int screenHeight);

// The width or height of a new note: one below the smallest a resize can make gives the
// built-in template's instead, so no new note is too small to be seen or grabbed.
int NewNoteExtent(int extent, int builtInExtent);

// The bottom-right corner of the client area, where a press resizes instead of moving.
bool InGripZone(int x, int y, int clientWidth, int clientHeight);

// A drag follows only pointer positions inside the screen rectangle, both ends included.
bool PointerOnScreen(int x, int y, int screenWidth, int screenHeight);

// The new width or height of a resized note: grows by the pointer's travel, never below 8.
int ResizedExtent(int extent, int travel);
