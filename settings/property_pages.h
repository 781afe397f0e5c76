// The three pages of the property sheet and what they share.
#pragma once
#include <windows.h>

INT_PTR CALLBACK CreationPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ArrangementPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK OtherPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// One opening of the sheet: whether it applied, and what the arrangement page shows while it is
// open (the settings take those values on apply).
struct SheetState {
    bool applied;
    int pendingCorner, pendingDirection, pendingSortKey, pendingSortOrder;
};

// At WM_INITDIALOG: the page keeps its sheet's state, handed over in its page record.
void AdoptSheetState(HWND page, LPARAM initParam);
SheetState &SheetStateOf(HWND page);

// A check box and the setting it stands for.
struct CheckSetting {
    int id;
    int *setting;
};

// Ticks each box whose setting is non-zero.
void ShowChecks(HWND page, const CheckSetting *checks, int count);
// Stores 1 for a ticked box, 0 for one that is not.
void StoreChecks(HWND page, const CheckSetting *checks, int count);
int CheckState(HWND page, int id);

// Enables the sheet's Apply button.
void MarkPageChanged(HWND page);
// Opened from the tray, each page centres the sheet when it is first shown.
void CenterSheetIfFromTray(HWND page);
// True for the apply notice; the page's sheet remembers that it arrived, for its result.
bool ApplyArrived(HWND page, LPARAM lParam);
