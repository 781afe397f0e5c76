#include "settings/default_settings_dialog.h"

#include "platform/program.h"
#include "platform/program_files.h"
#include "platform/whole_file_save.h"
#include "res/resource.h"
#include "settings/defaults.h"
#include "settings/defaults_file.h"
#include "settings/defaults_record.h"

// Each check box and the fields of the defaults file it stands for.
struct MaskBox {
    int id;
    uint16_t bits;
};

static const MaskBox kMaskBoxes[] = {
    {IDC_INHERIT_BACK_COLOR, kMaskBackColor},
    {IDC_INHERIT_FONT, kMaskFont | kMaskFontDialog}, // the text colour lives in the font-dialog block
    {IDC_DEF_SIZE, kMaskWidth | kMaskHeight},
    {IDC_DEF_POSITION, kMaskX | kMaskY},
    {IDC_INHERIT_MODE, kMaskDisplayMode | kMaskTaskbar},
    {IDC_INHERIT_WRAP, kMaskWrap},
};

static void CheckAllBoxes(HWND dialog, UINT state) {
    for (const MaskBox &box : kMaskBoxes)
        CheckDlgButton(dialog, box.id, state);
}

static uint16_t CheckedMask(HWND dialog) {
    uint16_t mask = 0;
    for (const MaskBox &box : kMaskBoxes)
        if (IsDlgButtonChecked(dialog, box.id) == BST_CHECKED) mask |= box.bits;
    return mask;
}

// Written even with no box checked: such a record changes nothing when it is read.
static void OnSave(HWND dialog) {
    SaveDefaultsFile(GetWindow(dialog, GW_OWNER), CheckedMask(dialog));
    EndDialog(dialog, 1);
}

// No confirmation; the inheritance settings stay as they are.
static void OnReset(HWND dialog) {
    if (!FileKeptUnwritten(defaultsPath)) DeleteFileW(defaultsPath);
    RestoreBuiltInTemplate();
    EndDialog(dialog, 0);
}

static INT_PTR OnDefaultsCommand(HWND dialog, int id) {
    switch (id) {
    case IDOK: OnSave(dialog); return TRUE;
    case IDCANCEL: EndDialog(dialog, 0); return TRUE;
    case IDC_DEF_RESET: OnReset(dialog); return TRUE;
    case IDC_DEF_SELECT_ALL: CheckAllBoxes(dialog, BST_CHECKED); return TRUE;
    case IDC_DEF_CLEAR_ALL: CheckAllBoxes(dialog, BST_UNCHECKED); return TRUE;
    }
    return FALSE;
}

// The boxes start unchecked at every opening: nothing is initialised.
static INT_PTR CALLBACK DefaultSettingsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: return TRUE;
    case WM_COMMAND: return OnDefaultsCommand(dialog, LOWORD(wParam));
    case WM_CLOSE: EndDialog(dialog, 0); return TRUE;
    }
    return FALSE;
}

INT_PTR DefaultSettingsDialog(HWND owner) {
    const INT_PTR result = DialogBoxParamW(programInstance, MAKEINTRESOURCEW(IDD_DEFAULT_SETTINGS), owner,
                                           DefaultSettingsProc, 0);
    return result == 1 ? 1 : 0;
}
