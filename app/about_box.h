// The About box, dialog 2000.
#pragma once
#include <windows.h>

// Runs it modally over the owner; 1 for OK, 0 when closed otherwise.
INT_PTR ShowAboutBox(HWND owner);
