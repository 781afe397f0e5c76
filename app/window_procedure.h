// The window procedure shared by every note window and the hidden main window: it routes each
// message to the layer that handles it.
#pragma once
#include <windows.h>

LRESULT CALLBACK NoteWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
