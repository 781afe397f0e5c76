#include "textio/input_format_dialog.h"

#include "platform/local_clock.h"
#include "platform/program.h"
#include "platform/wide_text.h"
#include "res/resource.h"

// The list labels in fixed 35-byte slots, read up to the first empty slot. They are display
// texts only: the stamps themselves come from the formats of the date-stamp module.
static const char kFormatLabels[kStampFormatCount + 1][35] = {
    "YY年 MM月 DD日",
    "YY年 MM月 DD日 HH時 MM分",
    "YY年 MM月 DD日 HH時 MM分 SS秒",
    "YY/MM/DD",
    "YY/MM/DD/ HH:MM",
    "YY/MM/DD/ HH:MM:SS",
    "MM/DD/YY",
    "MM/DD/YY HH:MM(am/pm)",
    "MM/DD/YY HH:MM:SS(am/pm)",
    "",
};

// Every opening starts with the first format and a two-digit year.
static INT_PTR OnInitFormat(HWND dialog, LPARAM stampText) {
    SetWindowLongPtrW(dialog, DWLP_USER, stampText);
    const HWND list = GetDlgItem(dialog, IDC_FORMAT_LIST);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (int i = 0; kFormatLabels[i][0] != '\0'; ++i)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(kFormatLabels[i]).c_str()));
    SendMessageW(list, LB_SETCURSEL, 0, 0);
    return TRUE;
}

// The stamp is made from the time of the OK, in the selected format.
static void AcceptFormat(HWND dialog) {
    const bool fourDigitYear = IsDlgButtonChecked(dialog, IDC_FOUR_DIGIT_YEAR) == BST_CHECKED;
    const int format = static_cast<int>(SendDlgItemMessageW(dialog, IDC_FORMAT_LIST, LB_GETCURSEL, 0, 0));
    auto *stampText = reinterpret_cast<char *>(GetWindowLongPtrW(dialog, DWLP_USER));
    FormatDateStamp(format, ReadLocalTime(), fourDigitYear, stampText, kStampTextSize);
    EndDialog(dialog, 1);
}

static INT_PTR OnFormatCommand(HWND dialog, int id, int notice) {
    if (id == IDOK || (id == IDC_FORMAT_LIST && notice == LBN_DBLCLK)) {
        AcceptFormat(dialog);
        return TRUE;
    }
    if (id == IDCANCEL) {
        EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

static INT_PTR CALLBACK InputFormatProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnInitFormat(dialog, lParam);
    case WM_COMMAND: return OnFormatCommand(dialog, LOWORD(wParam), HIWORD(wParam));
    case WM_CLOSE: EndDialog(dialog, 0); return TRUE;
    }
    return FALSE;
}

INT_PTR RunInputFormatDialog(HWND owner, char (&stampText)[kStampTextSize]) {
    const INT_PTR result = DialogBoxParamW(programInstance, MAKEINTRESOURCEW(IDD_INPUT_FORMAT), owner,
                                           InputFormatProc, reinterpret_cast<LPARAM>(stampText));
    return result == 1 ? 1 : 0;
}
