// The "作成方法" page: how new notes are made.
#include "settings/property_pages.h"

#include "res/resource.h"
#include "settings/settings.h"

static const CheckSetting kCreationChecks[] = {
    {IDC_INHERIT_POSITION, &inheritPosition}, {IDC_INHERIT_MODE, &inheritDisplayMode},
    {IDC_INHERIT_TASKBAR, &inheritTaskbar},   {IDC_INHERIT_BACK_COLOR, &inheritBackColor},
    {IDC_INHERIT_FONT, &inheritFont},         {IDC_INHERIT_WRAP, &inheritWrap},
    {IDC_OPEN_EMPTY_FIRST, &openEmptyFirst},  {IDC_OPEN_INPUT_AT_ONCE, &openInputAtOnce},
};
constexpr int kCreationCheckCount = sizeof kCreationChecks / sizeof kCreationChecks[0];

static INT_PTR OnInitCreationPage(HWND page) {
    ShowChecks(page, kCreationChecks, kCreationCheckCount);
    CenterSheetIfFromTray(page);
    return TRUE;
}

INT_PTR CALLBACK CreationPageProc(HWND page, UINT message, WPARAM, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: AdoptSheetState(page, lParam); return OnInitCreationPage(page);
    case WM_COMMAND: MarkPageChanged(page); return 0;
    case WM_NOTIFY:
        if (ApplyArrived(page, lParam)) StoreChecks(page, kCreationChecks, kCreationCheckCount);
        return 0;
    }
    return 0;
}
