// The "整列方法" page: corner, direction, sort key and order of the arrangement.
#include "settings/property_pages.h"

#include "res/resource.h"
#include "settings/arrangement_choices.h"
#include "settings/settings.h"
#include "store/note_table.h"

static const CheckSetting kArrangementChecks[] = {
    {IDC_ARRANGE_FROM_FIRST, &arrangeFromFirst},
    {IDC_ARRANGE_AFTER_SHEET, &arrangeAfterSheet},
};
constexpr int kArrangementCheckCount = sizeof kArrangementChecks / sizeof kArrangementChecks[0];

static bool InRange(int id, int low, int high) {
    return id >= low && id <= high;
}

// All radio buttons of the page are one group to the platform, so a click clears the other
// three sets; every set is marked again from the pending values.
static void ShowPendingValues(HWND page) {
    const SheetState &s = SheetStateOf(page);
    CheckRadioButton(page, kCornerTopLeft, kCornerBottomLeft, s.pendingCorner);
    CheckRadioButton(page, kDirectionRight, kDirectionUp, s.pendingDirection);
    CheckRadioButton(page, kSortByCreation, kSortByColor, s.pendingSortKey);
    CheckRadioButton(page, kSortAscending, kSortDescending, s.pendingSortOrder);
}

// A corner offers two directions only; a direction it does not offer becomes its column one.
static void ChooseCorner(HWND page, int corner) {
    SheetState &s = SheetStateOf(page);
    s.pendingCorner = corner;
    for (int direction = kDirectionRight; direction <= kDirectionUp; ++direction)
        EnableWindow(GetDlgItem(page, direction), DirectionFitsCorner(corner, direction));
    s.pendingDirection = FittingDirection(corner, s.pendingDirection);
}

static void OnArrangementCommand(HWND page, int id) {
    MarkPageChanged(page);
    SheetState &s = SheetStateOf(page);
    if (InRange(id, kSortByCreation, kSortByColor))
        s.pendingSortKey = id;
    else if (InRange(id, kSortAscending, kSortDescending))
        s.pendingSortOrder = id;
    else if (InRange(id, kDirectionRight, kDirectionUp))
        s.pendingDirection = id;
    else if (InRange(id, kCornerTopLeft, kCornerBottomLeft))
        ChooseCorner(page, id);
    ShowPendingValues(page);
}

// The page clicks its own corner button, so a stored pair that does not fit is put right at once.
static INT_PTR OnInitArrangementPage(HWND page, LPARAM initParam) {
    AdoptSheetState(page, initParam);
    SheetState &s = SheetStateOf(page);
    s.pendingCorner = arrangeCorner;
    s.pendingDirection = arrangeDirection;
    s.pendingSortKey = sortKey;
    s.pendingSortOrder = sortOrder;
    ShowPendingValues(page);
    ShowChecks(page, kArrangementChecks, kArrangementCheckCount);
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(s.pendingCorner, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(page, s.pendingCorner)));
    CenterSheetIfFromTray(page);
    return TRUE;
}

// The posted arrange command runs in whichever loop comes next: the sheet's own after Apply,
// the program's after OK.
static void ApplyArrangementPage(HWND page) {
    const SheetState &s = SheetStateOf(page);
    arrangeDirection = s.pendingDirection;
    arrangeCorner = s.pendingCorner;
    sortKey = s.pendingSortKey;
    sortOrder = s.pendingSortOrder;
    StoreChecks(page, kArrangementChecks, kArrangementCheckCount);
    if (arrangeAfterSheet && noteCount != 0)
        PostMessageW(NoteWindowOf(NoteTable[0]), WM_COMMAND, IDM_ARRANGE, 0);
}

INT_PTR CALLBACK ArrangementPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnInitArrangementPage(page, lParam);
    case WM_COMMAND: OnArrangementCommand(page, LOWORD(wParam)); return 0;
    case WM_NOTIFY:
        if (ApplyArrived(page, lParam)) ApplyArrangementPage(page);
        return 0;
    }
    return 0;
}
