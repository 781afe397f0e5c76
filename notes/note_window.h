// The window procedure shared by every note window and the hidden main window.
#pragma once
#include <windows.h>

LRESULT CALLBACK NoteWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Moving and resizing with the left button (mouse move, button down, button up).
void HandleNoteMouse(HWND window, UINT message, int x, int y);

// The mouse-tracking state: one drag at a time, since the dragged note holds the capture.
extern bool dragActive, resizeArmed;
extern POINT dragAnchor;
extern HWND savedForeground, savedCapture;
