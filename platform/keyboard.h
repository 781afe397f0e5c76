// The keyboard state as commands read it.
#pragma once
#include <windows.h>

// True when the Shift key is held while a command is handled.
inline bool ShiftHeld() {
    return (GetKeyState(VK_SHIFT) & 0x8000) != 0;
}
