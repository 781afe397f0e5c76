// Wallpaper notes: kept at the bottom of the z-order, untouched by the mouse, never left active.
#pragma once
#include <windows.h>

// Puts a wallpaper note back in its place after an activation: posted, since the platform may
// raise the note after it has told it of the activation, and without asking the note.
constexpr UINT kSettleWallpaperMessage = WM_APP + 1;

// True for a note in wallpaper mode. A note being created is not counted yet and is found in its
// slot noteCount, so a new wallpaper note keeps to the bottom from its first show on.
bool IsWallpaper(HWND window);

// The answer to WM_ACTIVATE and WM_MOUSEACTIVATE: refused for a wallpaper note, which is then
// settled again; the platform's own for any other window.
LRESULT OnNoteActivate(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Back to the bottom, and the activation handed on to the uppermost note that can take it.
void SettleWallpaper(HWND window);

// For WM_WINDOWPOSCHANGING: whatever would move a wallpaper note in the z-order (a show, an
// activation, another program) puts it at the bottom instead.
void KeepWallpaperAtBottom(HWND window, WINDOWPOS &position);
