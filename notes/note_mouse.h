// The window procedure shared by every note window and the hidden main window.
#pragma once
#include <windows.h>

LRESULT CALLBACK NoteWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Moving and resizing with the left button (mouse move, button down, button up).
void HandleNoteMouse(HWND window, UINT message, int x, int y);
// Ends a drag whose mouse capture the system took away, as a release would end it, and saves.
void EndDragOnLostCapture(HWND window);

// The mouse-tracking state: one drag at a time, since the dragged note holds the capture.
extern bool dragActive, resizeArmed;
extern POINT dragAnchor;
extern HWND savedForeground, savedCapture;
