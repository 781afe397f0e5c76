#include "textio/memo_input.h"

#include "platform/program.h"
#include "platform/wide_text.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "store/note_record.h"
#include "textio/date_stamp.h"
#include "textio/input_format_dialog.h"

#include <imm.h>

#include <cstring>
#include <string>

static HWND EditField(HWND dialog) {
    return GetDlgItem(dialog, IDC_MEMO_EDIT);
}

// Opens or closes the input method of the edit field when the user asked for it; where there is
// no input method the calls have no effect.
static void SetInputMethodOpen(HWND dialog, BOOL open) {
    if (!imeControl) return;
    const HWND edit = EditField(dialog);
    const HIMC context = ImmGetContext(edit);
    ImmSetOpenStatus(context, open);
    ImmReleaseContext(edit, context);
}

// The text the dialog last put into its edit field, and the field's text as read back right
// after. The platform stores some Shift-JIS codes under others (NEC and IBM extensions, a lone
// lead byte at the end), so a field nobody has changed gives back the bytes it was given. Each
// open dialog has its own, with the caller's text it reads and fills.
struct ShownMemoText {
    char text[kTextSize];
    char readBack[kTextSize];
    char (*editBuffer)[kTextSize];
};

static ShownMemoText &ShownOf(HWND dialog) {
    return *reinterpret_cast<ShownMemoText *>(GetWindowLongPtrW(dialog, DWLP_USER));
}

// The edit field's text in Shift-JIS, cut at 1023 bytes of it (not of the field's own UTF-16).
// It is read whole first, so the cut is byte-exact.
static void ReadEditText(HWND dialog, char *out) {
    const std::string text = WindowText(EditField(dialog));
    CutToNoteText(text.data(), text.size(), out);
}

static void ShowMemoText(HWND dialog, const char *text) {
    ShownMemoText &shown = ShownOf(dialog);
    CutToNoteText(text, std::strlen(text), shown.text);
    SetControlText932(dialog, IDC_MEMO_EDIT, shown.text);
    ReadEditText(dialog, shown.readBack);
}

// The memo text as it now stands: the bytes shown, unless the field holds something else.
static void ReadMemoText(HWND dialog, char *out) {
    ReadEditText(dialog, out);
    const ShownMemoText &shown = ShownOf(dialog);
    if (std::strcmp(out, shown.readBack) == 0) std::memcpy(out, shown.text, kTextSize);
}

static INT_PTR OnInitMemo(HWND dialog, LPARAM shown) {
    SetWindowLongPtrW(dialog, DWLP_USER, shown);
    // A record read from the notes file may fill all 1024 bytes without a terminator.
    const char *given = *ShownOf(dialog).editBuffer;
    const void *end = std::memchr(given, '\0', kMaxTextBytes);
    char text[kTextSize];
    CutToNoteText(given, end ? static_cast<const char *>(end) - given : kMaxTextBytes, text);
    ShowMemoText(dialog, text);
    SetFocus(EditField(dialog));
    SetInputMethodOpen(dialog, TRUE);
    return TRUE;
}

// Every way out closes the input method again.
static void EndMemo(HWND dialog, INT_PTR result) {
    SetInputMethodOpen(dialog, FALSE);
    EndDialog(dialog, result);
}

// The stamp goes in front of the whole text, whatever the caret position; one per opening.
static void OnDateButton(HWND dialog) {
    char text[kTextSize];
    ReadMemoText(dialog, text);
    char stampText[kStampTextSize];
    if (RunInputFormatDialog(dialog, stampText) == 1) {
        char stamped[kTextSize];
        PrependStamp(stampText, text, stamped);
        ShowMemoText(dialog, stamped);
        EnableWindow(GetDlgItem(dialog, IDC_DATE_BUTTON), FALSE);
    }
    SetFocus(EditField(dialog));
}

static INT_PTR OnMemoCommand(HWND dialog, int id) {
    switch (id) {
    case IDOK:
        ReadMemoText(dialog, *ShownOf(dialog).editBuffer);
        EndMemo(dialog, 1);
        return TRUE;
    case IDCANCEL: EndMemo(dialog, 0); return TRUE;
    case IDC_DATE_BUTTON: OnDateButton(dialog); return TRUE;
    }
    return FALSE;
}

static INT_PTR CALLBACK MemoInputProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnInitMemo(dialog, lParam);
    case WM_COMMAND: return OnMemoCommand(dialog, LOWORD(wParam));
    case WM_CLOSE: EndMemo(dialog, 0); return TRUE;
    }
    return FALSE;
}

INT_PTR RunMemoInputDialog(HWND owner, char (&editBuffer)[kTextSize]) {
    ShownMemoText shown = {};
    shown.editBuffer = &editBuffer;
    const INT_PTR result = DialogBoxParamW(programInstance, MAKEINTRESOURCEW(IDD_MEMO_INPUT), owner,
                                           MemoInputProc, reinterpret_cast<LPARAM>(&shown));
    return result == 1 ? 1 : 0;
}
