// Export of all notes to a text or CSV file.
#pragma once
#include <windows.h>

#include "textio/export_format.h"

constexpr int kExportPathSize = 260;

extern int csvAllowed;                      // Shift was held when the command came
extern int exportFormat;                    // IDC_FORMAT_TEXT or IDC_FORMAT_CSV
extern int csvColumns[kCsvColumnCount];     // 1 for each column to fill; kept for the run
extern wchar_t exportPath[kExportPathSize]; // the file chosen in the save-file dialog

// The choices as the program starts: text, every CSV column, no file.
void ResetExportChoices();

// The file-output command: format dialog, column dialog for CSV, save-file dialog, writing.
void RunExportSequence(HWND window);

// Writes every open note to exportPath: CSV for IDC_FORMAT_CSV, text for any other format.
// A file that cannot be created, or a write that fails, gets the export failure message once.
void ExportNotes(int format);

// The format dialog (112) and the column dialog (113); 1 on OK, 0 on cancel.
INT_PTR RunFormatDialog(HWND owner);
INT_PTR RunCsvColumnsDialog(HWND owner);
