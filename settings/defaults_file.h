// Reading and writing the default-attributes file.
#pragma once
#include <windows.h>
#include <cstdint>

// Applies the masked fields of the file to the template and the inheritance settings; with
// applyToSlot 1 also copies the template into slot 0 of the note table.
void LoadDefaultsFile(int applyToSlot);

// Writes the masked fields of the note with this window as the new defaults file and reads it
// back, so new notes take them at once. Does nothing when the window is not an open note.
void SaveDefaultsFile(HWND window, uint16_t mask);
