#include "textio/memo_input.h"

#include "app/program.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "store/note_record.h"
#include "textio/date_stamp.h"
#include "textio/input_format_dialog.h"

#include <imm.h>

#include <cstring>
#include <vector>

char editBuffer[1024];
HWND memoEditWindow;

// Opens or closes the input method of the edit field when the user asked for it; where there is
// no input method the calls have no effect.
static void SetInputMethodOpen(BOOL open) {
    if (!imeControl) return;
    const HIMC context = ImmGetContext(memoEditWindow);
    ImmSetOpenStatus(context, open);
    ImmReleaseContext(memoEditWindow, context);
}

// The edit field's text cut at 1023 bytes. It is read whole first, so the cut is byte-exact
// whatever the platform does with a double-byte character at the end of a short buffer.
static void ReadMemoText(HWND dialog, char *out) {
    const HWND edit = GetDlgItem(dialog, IDC_MEMO_EDIT);
    std::vector<char> text(GetWindowTextLengthA(edit) + 1);
    const int length = GetWindowTextA(edit, text.data(), static_cast<int>(text.size()));
    CutToNoteText(text.data(), length > 0 ? length : 0, out);
}

static INT_PTR OnInitMemo(HWND dialog) {
    // A record read from the notes file may fill all 1024 bytes without a terminator.
    const void *end = std::memchr(editBuffer, '\0', kMaxTextBytes);
    char text[kTextSize];
    CutToNoteText(editBuffer, end ? static_cast<const char *>(end) - editBuffer : kMaxTextBytes, text);
    SetDlgItemTextA(dialog, IDC_MEMO_EDIT, text);
    memoEditWindow = GetDlgItem(dialog, IDC_MEMO_EDIT);
    SetFocus(memoEditWindow);
    SetInputMethodOpen(TRUE);
    return TRUE;
}

// Every way out closes the input method again.
static void EndMemo(HWND dialog, INT_PTR result) {
    SetInputMethodOpen(FALSE);
    EndDialog(dialog, result);
}

// The stamp goes in front of the whole text, whatever the caret position; one per opening.
static void OnDateButton(HWND dialog) {
    char text[kTextSize];
    ReadMemoText(dialog, text);
    if (RunInputFormatDialog(dialog) == 1) {
        char stamped[kTextSize];
        PrependStamp(stampText, text, stamped);
        SetDlgItemTextA(dialog, IDC_MEMO_EDIT, stamped);
        EnableWindow(GetDlgItem(dialog, IDC_DATE_BUTTON), FALSE);
    }
    SetFocus(memoEditWindow);
}

static INT_PTR OnMemoCommand(HWND dialog, int id) {
    switch (id) {
    case IDOK:
        ReadMemoText(dialog, editBuffer);
        EndMemo(dialog, 1);
        return TRUE;
    case IDCANCEL: EndMemo(dialog, 0); return TRUE;
    case IDC_DATE_BUTTON: OnDateButton(dialog); return TRUE;
    }
    return FALSE;
}

static INT_PTR CALLBACK MemoInputProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: return OnInitMemo(dialog);
    case WM_COMMAND: return OnMemoCommand(dialog, LOWORD(wParam));
    case WM_CLOSE: EndMemo(dialog, 0); return TRUE;
    }
    return FALSE;
}

INT_PTR RunMemoInputDialog(HWND owner) {
    const INT_PTR result =
        DialogBoxParamA(programInstance, MAKEINTRESOURCEA(IDD_MEMO_INPUT), owner, MemoInputProc, 0);
    return result == 1 ? 1 : 0;
}
