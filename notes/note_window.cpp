#include "notes/note_window.h"

#include "app/commands.h"
#include "app/program.h"
#include "app/tray_icon.h"
#include "notes/paint_note.h"
#include "store/note_table.h"
#include "store/notes_file.h"
#include "res/resource.h"
#include "textio/memo_input.h"

#include <cstring>
#include <windowsx.h>

constexpr LRESULT kNoActivateAndEat = MA_NOACTIVATEANDEAT; // 3

static bool IsWallpaper(HWND window) {
    return ModeOf(NoteTable[FindNote(window)]) == kModeWallpaper;
}

// Runs the memo input on the note's text; on OK stores the result, taking an undo copy first
// when the text changed. Afterwards the display mode is applied again, which also saves.
static void OnDoubleClick(HWND window) {
    if (FindNote(window) >= noteCount) return; // the main window has no text to edit
    std::memcpy(editBuffer, NoteTable[FindNote(window)].text, kTextSize);
    if (RunMemoInputDialog(window)) {
        const int index = FindNote(window);
        if (std::strcmp(NoteTable[index].text, editBuffer) != 0) UndoTable[index] = NoteTable[index];
        std::memcpy(NoteTable[index].text, editBuffer, kTextSize);
        RepaintNote(window);
        SaveAll();
    }
    const int mode = ModeOf(NoteTable[FindNote(window)]);
    SendMessageA(window, WM_COMMAND, IDM_MODE_NORMAL + mode, 0);
}

static void OnRightButtonUp(HWND window, int x, int y) {
    UpdateMenuState(window, 1);
    POINT p = {x, y};
    ClientToScreen(window, &p);
    TrackPopupMenu(noteMenu, TPM_RIGHTBUTTON, p.x, p.y, 0, window, nullptr);
}

static LRESULT OnActivate(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsWallpaper(window)) return kNoActivateAndEat;
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK NoteWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return 0;
    case WM_DESTROY:
        if (window == mainWindow) PostQuitMessage(0);
        return 0;
    case WM_ACTIVATE:
    case WM_MOUSEACTIVATE: return OnActivate(window, message, wParam, lParam);
    case WM_PAINT: PaintNote(window); return 0;
    case WM_QUERYENDSESSION: SaveAll(); return TRUE;
    case WM_COMMAND: DispatchCommand(window, LOWORD(wParam)); return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: HandleNoteMouse(window, message, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_LBUTTONDBLCLK: OnDoubleClick(window); return 0;
    case WM_RBUTTONUP: OnRightButtonUp(window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case kTrayCallbackMessage: OnTrayNotify(window, wParam, lParam); return 0;
    }
    // The shell re-creates its taskbar after a crash; the icon has to be added again then.
    if (message == TaskbarCreatedMessage() && window == mainWindow) {
        AddTrayIcon();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
