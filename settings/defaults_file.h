// Reading and writing the default-attributes file.
#pragma once
#include <windows.h>
#include <cstdint>

// Applies the masked fields of the file to the template and the inheritance settings; with
// applyToSlot 1 also copies the template into slot 0 of the note table.
void LoadDefaultsFile(int applyToSlot);
