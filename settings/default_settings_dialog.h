// Dialog 5000: saves chosen attributes of a note as the defaults for new notes, or resets them.
#pragma once
#include <windows.h>

INT_PTR DefaultSettingsDialog(HWND owner);
