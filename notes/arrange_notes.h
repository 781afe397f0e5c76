// Sorting all notes and tiling them from a screen corner.
#pragma once
#include <windows.h>

void ArrangeNotes(HWND window);
