// Dialogs opened from the tray menu centre themselves on the screen.
#pragma once
#include <windows.h>

// True when the command being handled came from the tray menu.
bool CommandCameFromTray();
// The top-left corner that centres a window rectangle on the screen.
POINT CenteredPosition(const RECT &r);
// Moves the window, size unchanged and without repainting, to the middle of the screen.
void CenterOnScreen(HWND window);
// Centres the dialog when its command came from the tray; otherwise it keeps its place.
void CenterIfFromTray(HWND dialog);
