#include "app/window_procedure.h"

#include "app/commands.h"
#include "app/memo_edit.h"
#include "app/save_all.h"
#include "app/tray_icon.h"
#include "notes/note_font.h"
#include "notes/note_mouse.h"
#include "notes/paint_note.h"
#include "notes/wallpaper_notes.h"
#include "platform/program.h"

#include <shellapi.h>
#include <windowsx.h>

static void SaveIf(bool changed) {
    if (changed) SaveAll();
}

// Notes accept dropped files but take nothing from them; the drop is released all the same.
static void OnDropFiles(WPARAM drop) {
    DragFinish(reinterpret_cast<HDROP>(drop));
}

LRESULT CALLBACK NoteWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return 0;
    case WM_DESTROY:
        ForgetNoteFont(window);
        if (window == mainWindow) PostQuitMessage(0);
        return 0;
    case WM_ACTIVATE:
    case WM_MOUSEACTIVATE: return OnNoteActivate(window, message, wParam, lParam);
    case kSettleWallpaperMessage: SettleWallpaper(window); return 0;
    case WM_WINDOWPOSCHANGING: KeepWallpaperAtBottom(window, *reinterpret_cast<WINDOWPOS *>(lParam)); break;
    case WM_CAPTURECHANGED: SaveIf(EndDragOnLostCapture(window)); return 0;
    case WM_CANCELMODE: SaveIf(EndDragOnLostCapture(window)); break;
    case WM_DROPFILES: OnDropFiles(wParam); return 0;
    case WM_PAINT: PaintNote(window); return 0;
    case WM_QUERYENDSESSION: SaveAll(); return TRUE;
    // Only the program's own commands close a note (Alt+F4 or another program would leave its
    // record without a window); the main window closes as any window does.
    case WM_CLOSE:
        if (window != mainWindow) return 0;
        break;
    case WM_COMMAND: DispatchCommand(window, LOWORD(wParam)); return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        SaveIf(HandleNoteMouse(window, message, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
        return 0;
    case WM_LBUTTONDBLCLK: EditNoteMemo(window); return 0;
    case WM_RBUTTONUP: ShowNoteMenu(window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case kTrayCallbackMessage: OnTrayNotify(window, wParam, lParam); return 0;
    }
    // The shell re-creates its taskbar after a crash; the icon has to be added again then.
    if (message == TaskbarCreatedMessage() && window == mainWindow) {
        AddTrayIcon();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
