// Export of all notes to a text or CSV file.
#pragma once
#include <windows.h>

// The file-output command: format dialog, column dialog for CSV, save-file dialog, writing.
void RunExportSequence(HWND window);
