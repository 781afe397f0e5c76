// Export of all notes to a text or CSV file.
#pragma once
#include <windows.h>

#include "textio/export_format.h"

constexpr int kExportPathSize = 260;

extern int csvColumns[kCsvColumnCount]; // 1 for each column to fill; kept for the run

// One run of the file-output command. Several may be under way at once (other notes stay usable
// while a dialog is up), so each carries its own choices.
struct ExportChoices {
    int csvAllowed;                      // Shift was held when the command came
    int exportFormat;                    // IDC_FORMAT_TEXT or IDC_FORMAT_CSV
    int columns[kCsvColumnCount];        // the columns this run writes, taken when they are chosen
    wchar_t exportPath[kExportPathSize]; // the file chosen in the save-file dialog
};

// The column choice as the program starts: every column.
void ResetExportChoices();

// The file-output command: format dialog, column dialog for CSV, save-file dialog, writing. After
// each dialog it stops when the program has begun to end or the note it came from is gone.
void RunExportSequence(HWND window);

// Writes every open note to the chosen file: CSV for IDC_FORMAT_CSV, text for any other format.
// A file that cannot be created, or a write that fails, gets the export failure message once.
void ExportNotes(const ExportChoices &choices);

// The format dialog (112) and the column dialog (113) over the run's choices; 1 on OK, 0
// otherwise (a dialog that could not be made included).
INT_PTR RunFormatDialog(HWND owner, ExportChoices &choices);
INT_PTR RunCsvColumnsDialog(HWND owner, ExportChoices &choices);
