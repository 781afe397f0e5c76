#include "app/about_box.h"

#include "platform/dialog_centering.h"
#include "platform/program.h"
#include "platform/wide_text.h"
#include "res/resource.h"

// Short enough for one line of the text control in the dialog's font.
static const char kMakerNotice[] = "(C) 2026 The Tavlo developers";

static INT_PTR OnInitAbout(HWND dialog) {
    const std::string text =
        PROGRAM_NAME "    [Win32版]\nVersion " PROGRAM_VERSION "\n\n" + std::string(kMakerNotice);
    SetControlText932(dialog, IDC_ABOUT_TEXT, text.c_str());
    SetFocus(GetDlgItem(dialog, IDOK));
    CenterIfFromTray(dialog);
    return TRUE;
}

// Escape arrives as command 2 and is deliberately ignored: only OK or closing the window ends it.
static INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: return OnInitAbout(dialog);
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) EndDialog(dialog, 1);
        return 0;
    case WM_CLOSE: EndDialog(dialog, 0); return 0;
    }
    return 0;
}

INT_PTR ShowAboutBox(HWND owner) {
    return DialogBoxParamW(programInstance, MAKEINTRESOURCEW(IDD_ABOUT), owner, AboutProc, 0);
}
