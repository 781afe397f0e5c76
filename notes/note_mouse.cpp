// Moving and resizing notes with the left mouse button.
#include "notes/note_mouse.h"

#include "notes/note_geometry.h"
#include "platform/monitors.h"
#include "platform/program.h"
#include "store/note_table.h"

bool dragActive, resizeArmed;
POINT dragAnchor;
HWND savedForeground, savedCapture;

static HWND dragWindow; // the note that holds the capture while dragActive

// Wallpaper notes ignore the mouse, and so does a topmost first note that shows the clock.
static bool IgnoresMouse(HWND window) {
    const int index = FindNote(window);
    const int mode = ModeOf(NoteTable[index]);
    return mode == kModeWallpaper || (timerMode && index == 0 && noteCount > 0 && mode == kModeTopmost);
}

static void FollowPointer(HWND window, POINT p) {
    RECT r;
    if (!GetWindowRect(window, &r)) return;
    const int dx = p.x - dragAnchor.x, dy = p.y - dragAnchor.y;
    if (resizeArmed) {
        // The top-left corner stays; only the size follows the pointer.
        MoveWindow(window, r.left, r.top, ResizedExtent(r.right - r.left, dx),
                   ResizedExtent(r.bottom - r.top, dy), TRUE);
    } else {
        MoveWindow(window, r.left + dx, r.top + dy, r.right - r.left, r.bottom - r.top, TRUE);
    }
    dragAnchor = p;
}

static void OnPointerMove(HWND window, int x, int y) {
    RECT client;
    GetClientRect(window, &client);
    if (dragActive) {
        POINT p = {x, y};
        ClientToScreen(window, &p);
        // Off every monitor the note waits; the next accepted move makes up the whole distance.
        const RECT screen = VirtualScreenRect();
        if (PointerOnScreen(p.x, p.y, {screen.left, screen.top, screen.right, screen.bottom}))
            FollowPointer(window, p);
        return;
    }
    if (InGripZone(x, y, client.right, client.bottom)) {
        SetCursor(LoadCursorW(nullptr, IDC_SIZENWSE));
        resizeArmed = true;
    } else if (resizeArmed) {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        resizeArmed = false;
    }
}

static void OnButtonDown(HWND window, int x, int y) {
    if (resizeArmed) SetCursor(LoadCursorW(nullptr, IDC_SIZENWSE));
    savedForeground = GetForegroundWindow();
    SetForegroundWindow(window);
    savedCapture = SetCapture(window);
    dragAnchor = POINT{x, y};
    ClientToScreen(window, &dragAnchor);
    dragWindow = window;
    dragActive = true;
}

// Position and size are kept as they are now; the drag is over.
static void FinishDrag(HWND window) {
    StoreWindowRect(NoteTable[FindNote(window)], window);
    if (resizeArmed) {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        resizeArmed = false;
    }
    dragActive = false;
}

// A release without a drag of this program's (after a double click, say) changes nothing.
static bool OnButtonUp(HWND window) {
    if (!dragActive) return false;
    FinishDrag(window); // first, so that giving the capture back below ends nothing twice
    SetForegroundWindow(savedForeground);
    if (savedCapture)
        SetCapture(savedCapture);
    else
        ReleaseCapture();
    return true;
}

bool HandleNoteMouse(HWND window, UINT message, int x, int y) {
    if (IgnoresMouse(window)) return false;
    switch (message) {
    case WM_MOUSEMOVE: OnPointerMove(window, x, y); break;
    case WM_LBUTTONDOWN: OnButtonDown(window, x, y); break;
    case WM_LBUTTONUP: return OnButtonUp(window);
    }
    return false;
}

// The system took the capture (Alt+Tab, a system dialog): the drag ends where the note stands.
// Foreground and capture already belong to whoever took them, so they are not given back.
bool EndDragOnLostCapture(HWND window) {
    if (!dragActive || window != dragWindow) return false;
    FinishDrag(window);
    return true;
}

void ResetDrag() {
    dragActive = resizeArmed = false;
    dragWindow = savedForeground = savedCapture = nullptr;
}
