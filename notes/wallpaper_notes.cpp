#include "notes/wallpaper_notes.h"

#include "platform/program.h"
#include "store/note_table.h"

constexpr LRESULT kNoActivateAndEat = MA_NOACTIVATEANDEAT; // 3

bool IsWallpaper(HWND window) {
    return window != mainWindow && ModeOf(NoteTable[FindNote(window)]) == kModeWallpaper;
}

LRESULT OnNoteActivate(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!IsWallpaper(window)) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_ACTIVATE) PostMessageW(window, kSettleWallpaperMessage, 0, 0);
    return kNoActivateAndEat;
}

// The uppermost visible note that is not wallpaper, or the main window when there is none.
static HWND ActivationHeir() {
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (FindNote(w) < noteCount && IsWindowVisible(w) && !IsWallpaper(w)) return w;
    }
    return mainWindow;
}

// The system may still hand the activation to a wallpaper note (when the active window hides,
// say), and raise it on the way. The keys would then act on a note the user cannot touch.
void SettleWallpaper(HWND window) {
    if (!IsWallpaper(window)) return;
    SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (GetActiveWindow() == window) SetActiveWindow(ActivationHeir());
}

void KeepWallpaperAtBottom(HWND window, WINDOWPOS &position) {
    if (!(position.flags & SWP_NOZORDER) && IsWallpaper(window)) position.hwndInsertAfter = HWND_BOTTOM;
}
