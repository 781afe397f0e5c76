// The property sheet with the creation, arrangement and other pages.
#pragma once
#include <windows.h>

enum class SheetPages { All, CreationOnly, ArrangementOnly };

// Runs the sheet modally; 0 when it was closed without applying, non-zero otherwise.
INT_PTR OpenPropertySheet(HWND parent, SheetPages pages);
