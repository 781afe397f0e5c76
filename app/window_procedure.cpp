#include "notes/note_window.h"

#include "app/commands.h"
#include "app/program.h"
#include "app/tray_icon.h"
#include "notes/paint_note.h"
#include "store/note_table.h"
#include "notes/create_note.h"
#include "store/notes_file.h"
#include "res/resource.h"
#include "textio/memo_input.h"

#include <shellapi.h>
#include <windowsx.h>

#include <cstring>

constexpr LRESULT kNoActivateAndEat = MA_NOACTIVATEANDEAT; // 3

// Puts a wallpaper note back in its place after an activation: posted, since the platform may
// raise the note after it has told it of the activation, and without asking the note.
constexpr UINT kSettleWallpaperMessage = WM_APP + 1;

// A note being created is not counted yet and is found in its slot noteCount, so a new wallpaper
// note keeps to the bottom from its first show on.
static bool IsWallpaper(HWND window) {
    return window != mainWindow && ModeOf(NoteTable[FindNote(window)]) == kModeWallpaper;
}

// The note's own mode is applied again after the memo, which also saves. A stored mode outside
// 0-2 is applied as it stands: turned into a command id it would run another command.
static void ReapplyDisplayMode(HWND window) {
    const int index = FindNote(window);
    if (index >= noteCount) return; // closed while the memo was up
    const int mode = ModeOf(NoteTable[index]);
    if (mode <= kModeWallpaper) {
        SendMessageA(window, WM_COMMAND, IDM_MODE_NORMAL + mode, 0);
        return;
    }
    SetDisplayMode(window, mode);
    SaveAll();
}

// Runs the memo input on the note's text; on OK stores the result, taking an undo copy first
// when the text changed. The text goes into this dialog's own buffer and back, so each of
// several open memos stores only into its own note.
static void OnDoubleClick(HWND window) {
    if (FindNote(window) >= noteCount) return; // the main window has no text to edit
    char editBuffer[kTextSize];
    std::memcpy(editBuffer, NoteTable[FindNote(window)].text, kTextSize);
    if (RunMemoInputDialog(window, editBuffer) && FindNote(window) < noteCount) {
        const int index = FindNote(window);
        if (std::strcmp(NoteTable[index].text, editBuffer) != 0) UndoTable[index] = NoteTable[index];
        std::memcpy(NoteTable[index].text, editBuffer, kTextSize);
        RepaintNote(window);
        SaveAll();
    }
    ReapplyDisplayMode(window);
}

static void OnRightButtonUp(HWND window, int x, int y) {
    UpdateMenuState(window, 1);
    POINT p = {x, y};
    ClientToScreen(window, &p);
    TrackPopupMenu(noteMenu, TPM_RIGHTBUTTON, p.x, p.y, 0, window, nullptr);
}

static LRESULT OnActivate(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!IsWallpaper(window)) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_ACTIVATE) PostMessageA(window, kSettleWallpaperMessage, 0, 0);
    return kNoActivateAndEat;
}

// The uppermost visible note that is not wallpaper, or the main window when there is none.
static HWND ActivationHeir() {
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        const int index = FindNote(w);
        if (index < noteCount && IsWindowVisible(w) && !IsWallpaper(w)) return w;
    }
    return mainWindow;
}

// The system may still hand the activation to a wallpaper note (when the active window hides,
// say), and raise it on the way. The note goes back to the bottom and never keeps the
// activation, or the keys would act on a note the user cannot touch.
static void SettleWallpaper(HWND window) {
    if (!IsWallpaper(window)) return;
    SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (GetActiveWindow() == window) SetActiveWindow(ActivationHeir());
}

// Whatever would move a wallpaper note in the z-order (a show, an activation, another program)
// puts it at the bottom instead.
static void KeepWallpaperAtBottom(HWND window, WINDOWPOS &position) {
    if (!(position.flags & SWP_NOZORDER) && IsWallpaper(window)) position.hwndInsertAfter = HWND_BOTTOM;
}

// Notes accept dropped files but take nothing from them; the drop is released all the same.
static void OnDropFiles(WPARAM drop) {
    DragFinish(reinterpret_cast<HDROP>(drop));
}

LRESULT CALLBACK NoteWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return 0;
    case WM_DESTROY:
        if (window == mainWindow) PostQuitMessage(0);
        return 0;
    case WM_ACTIVATE:
    case WM_MOUSEACTIVATE: return OnActivate(window, message, wParam, lParam);
    case kSettleWallpaperMessage: SettleWallpaper(window); return 0;
    case WM_WINDOWPOSCHANGING: KeepWallpaperAtBottom(window, *reinterpret_cast<WINDOWPOS *>(lParam)); break;
    case WM_CAPTURECHANGED: EndDragOnLostCapture(window); return 0;
    case WM_CANCELMODE: EndDragOnLostCapture(window); break;
    case WM_DROPFILES: OnDropFiles(wParam); return 0;
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
