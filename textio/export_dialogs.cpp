// The two dialogs of the export: the file format (CSV only with Shift) and the CSV columns.
#include "textio/export_notes.h"

#include "platform/dialog_centering.h"
#include "platform/program.h"
#include "res/resource.h"

int csvColumns[kCsvColumnCount] = {1, 1, 1, 1, 1, 1};

void ResetExportChoices() {
    for (int &column : csvColumns)
        column = 1;
}

static ExportChoices &ChoicesOf(HWND dialog) {
    return *reinterpret_cast<ExportChoices *>(GetWindowLongPtrW(dialog, DWLP_USER));
}

static void OnFormatInit(HWND dialog, LPARAM choices) {
    SetWindowLongPtrW(dialog, DWLP_USER, choices);
    ExportChoices &c = ChoicesOf(dialog);
    c.exportFormat = IDC_FORMAT_TEXT;
    if (c.csvAllowed) EnableWindow(GetDlgItem(dialog, IDC_FORMAT_CSV), TRUE);
    CheckRadioButton(dialog, IDC_FORMAT_TEXT, IDC_FORMAT_CSV, c.exportFormat);
    CenterIfFromTray(dialog);
}

static INT_PTR CALLBACK FormatDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: OnFormatInit(dialog, lParam); return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_FORMAT_TEXT:
        case IDC_FORMAT_CSV: ChoicesOf(dialog).exportFormat = LOWORD(wParam); return TRUE;
        case IDOK: EndDialog(dialog, 1); return TRUE;
        case IDCANCEL: EndDialog(dialog, 0); return TRUE;
        }
        return FALSE;
    case WM_CLOSE: EndDialog(dialog, 0); return TRUE;
    }
    return FALSE;
}

static void OnColumnsInit(HWND dialog, LPARAM choices) {
    SetWindowLongPtrW(dialog, DWLP_USER, choices);
    for (int i = 0; i < kCsvColumnCount; ++i)
        CheckDlgButton(dialog, IDC_CSV_TEXT + i, csvColumns[i] ? BST_CHECKED : BST_UNCHECKED);
    CenterIfFromTray(dialog);
}

// The choice is kept for the run, and this run writes the columns chosen here even when another
// run changes the choice before its file is written.
static void ReadColumns(HWND dialog) {
    ExportChoices &c = ChoicesOf(dialog);
    for (int i = 0; i < kCsvColumnCount; ++i)
        c.columns[i] = csvColumns[i] = IsDlgButtonChecked(dialog, IDC_CSV_TEXT + i) == BST_CHECKED ? 1 : 0;
}

static INT_PTR CALLBACK ColumnsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: OnColumnsInit(dialog, lParam); return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            ReadColumns(dialog);
            EndDialog(dialog, 1);
            return TRUE;
        case IDCANCEL: EndDialog(dialog, 0); return TRUE;
        }
        return FALSE;
    case WM_CLOSE: EndDialog(dialog, 0); return TRUE;
    }
    return FALSE;
}

INT_PTR RunFormatDialog(HWND owner, ExportChoices &choices) {
    return DialogBoxParamW(programInstance, MAKEINTRESOURCEW(IDD_EXPORT_FORMAT), owner, FormatDialogProc,
                           reinterpret_cast<LPARAM>(&choices)) == 1;
}

INT_PTR RunCsvColumnsDialog(HWND owner, ExportChoices &choices) {
    return DialogBoxParamW(programInstance, MAKEINTRESOURCEW(IDD_CSV_COLUMNS), owner, ColumnsDialogProc,
                           reinterpret_cast<LPARAM>(&choices)) == 1;
}
