#include "platform/dialog_centering.h"

#include "platform/program.h"

bool CommandCameFromTray() {
    return lastCommandWindow == mainWindow;
}

POINT CenteredPosition(const RECT &r) {
    // Each half is truncated towards zero on its own.
    return POINT{(r.left - r.right) / 2 + screenWidth / 2, (r.top - r.bottom) / 2 + screenHeight / 2};
}

void CenterOnScreen(HWND window) {
    RECT r;
    if (!GetWindowRect(window, &r)) return;
    const POINT p = CenteredPosition(r);
    SetWindowPos(window, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW);
}

void CenterIfFromTray(HWND dialog) {
    if (CommandCameFromTray()) CenterOnScreen(dialog);
}
