// The two dialogs of the export: the file format (CSV only with Shift) and the CSV columns.
#include "textio/export_notes.h"

#include "platform/dialog_centering.h"
#include "platform/program.h"
#include "res/resource.h"

int csvAllowed;
int exportFormat = IDC_FORMAT_TEXT;
int csvColumns[kCsvColumnCount] = {1, 1, 1, 1, 1, 1};

void ResetExportChoices() {
    csvAllowed = 0;
    exportFormat = IDC_FORMAT_TEXT;
    for (int &column : csvColumns)
        column = 1;
    exportPath[0] = L'\0';
}

static void OnFormatInit(HWND dialog) {
    exportFormat = IDC_FORMAT_TEXT;
    if (csvAllowed) EnableWindow(GetDlgItem(dialog, IDC_FORMAT_CSV), TRUE);
    CheckRadioButton(dialog, IDC_FORMAT_TEXT, IDC_FORMAT_CSV, exportFormat);
    CenterIfFromTray(dialog);
}

static INT_PTR CALLBACK FormatDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: OnFormatInit(dialog); return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_FORMAT_TEXT:
        case IDC_FORMAT_CSV: exportFormat = LOWORD(wParam); return TRUE;
        case IDOK: EndDialog(dialog, 1); return TRUE;
        case IDCANCEL: EndDialog(dialog, 0); return TRUE;
        }
        return FALSE;
    case WM_CLOSE: EndDialog(dialog, 0); return TRUE;
    }
    return FALSE;
}

static void OnColumnsInit(HWND dialog) {
    for (int i = 0; i < kCsvColumnCount; ++i)
        CheckDlgButton(dialog, IDC_CSV_TEXT + i, csvColumns[i] ? BST_CHECKED : BST_UNCHECKED);
    CenterIfFromTray(dialog);
}

static void ReadColumns(HWND dialog) {
    for (int i = 0; i < kCsvColumnCount; ++i)
        csvColumns[i] = IsDlgButtonChecked(dialog, IDC_CSV_TEXT + i) == BST_CHECKED ? 1 : 0;
}

static INT_PTR CALLBACK ColumnsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: OnColumnsInit(dialog); return TRUE;
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

INT_PTR RunFormatDialog(HWND owner) {
    return DialogBoxParamW(programInstance, MAKEINTRESOURCEW(IDD_EXPORT_FORMAT), owner, FormatDialogProc, 0);
}

INT_PTR RunCsvColumnsDialog(HWND owner) {
    return DialogBoxParamW(programInstance, MAKEINTRESOURCEW(IDD_CSV_COLUMNS), owner, ColumnsDialogProc, 0);
}
