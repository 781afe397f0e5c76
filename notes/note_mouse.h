// Moving and resizing notes with the left mouse button.
#pragma once
#include <windows.h>

// Handles a mouse move, button down or button up on a note; true when the notes are to be saved
// (a drag ended).
bool HandleNoteMouse(HWND window, UINT message, int x, int y);
// Ends a drag whose mouse capture the system took away, as a release would end it; true when it
// did, and the notes are then to be saved.
bool EndDragOnLostCapture(HWND window);
// No drag and no armed resize, as at start.
void ResetDrag();

// The mouse-tracking state: one drag at a time, since the dragged note holds the capture.
extern bool dragActive, resizeArmed;
extern POINT dragAnchor;
extern HWND savedForeground, savedCapture;
