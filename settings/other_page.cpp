// The "その他" page: note spacing, the history log, the input method, and wrapping every note.
#include "settings/property_pages.h"

#include "platform/wide_text.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/spacing_text.h"
#include "store/note_table.h"

#include <string>

static const CheckSetting kOtherChecks[] = {
    {IDC_LOG_ENABLED, &logEnabled},
    {IDC_IME_CONTROL, &imeControl},
};
constexpr int kOtherCheckCount = sizeof kOtherChecks / sizeof kOtherChecks[0];

// Filling in the spacing changes its text, which marks the page changed like a user edit.
static INT_PTR OnInitOtherPage(HWND page) {
    ShowChecks(page, kOtherChecks, kOtherCheckCount);
    SetDlgItemInt(page, IDC_SPACING, noteSpacing, TRUE);
    CheckDlgButton(page, IDC_WRAP_ALL, BST_UNCHECKED);
    CenterSheetIfFromTray(page);
    return TRUE;
}

// The spacing edit sends focus and scroll notices too; only a change of its text counts.
static void OnOtherCommand(HWND page, int id, int notice) {
    if (id != IDC_SPACING || notice == EN_CHANGE) MarkPageChanged(page);
}

static void ApplyOtherPage(HWND page) {
    noteSpacing = SpacingFromText(ControlText932(page, IDC_SPACING).c_str());
    StoreChecks(page, kOtherChecks, kOtherCheckCount);
    if (CheckState(page, IDC_WRAP_ALL)) RedrawAllNotes(1);
}

INT_PTR CALLBACK OtherPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: AdoptSheetState(page, lParam); return OnInitOtherPage(page);
    case WM_COMMAND: OnOtherCommand(page, LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_NOTIFY:
        if (ApplyArrived(page, lParam)) ApplyOtherPage(page);
        return 0;
    }
    return 0;
}
