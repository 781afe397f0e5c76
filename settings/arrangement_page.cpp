// The "整列方法" page: corner, direction, sort key and order of the arrangement.
#include "settings/property_pages.h"

#include "res/resource.h"
#include "settings/arrangement_choices.h"
#include "settings/settings.h"
#include "store/note_table.h"

// What the radio buttons show while the page is open; the settings take them on apply.
static int pendingCorner, pendingDirection, pendingSortKey, pendingSortOrder;

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
    CheckRadioButton(page, kCornerTopLeft, kCornerBottomLeft, pendingCorner);
    CheckRadioButton(page, kDirectionRight, kDirectionUp, pendingDirection);
    CheckRadioButton(page, kSortByCreation, kSortByColor, pendingSortKey);
    CheckRadioButton(page, kSortAscending, kSortDescending, pendingSortOrder);
}

// A corner offers two directions only; a direction it does not offer becomes its column one.
static void ChooseCorner(HWND page, int corner) {
    pendingCorner = corner;
    for (int direction = kDirectionRight; direction <= kDirectionUp; ++direction)
        EnableWindow(GetDlgItem(page, direction), DirectionFitsCorner(corner, direction));
    pendingDirection = FittingDirection(corner, pendingDirection);
}

static void OnArrangementCommand(HWND page, int id) {
    MarkPageChanged(page);
    if (InRange(id, kSortByCreation, kSortByColor))
        pendingSortKey = id;
    else if (InRange(id, kSortAscending, kSortDescending))
        pendingSortOrder = id;
    else if (InRange(id, kDirectionRight, kDirectionUp))
        pendingDirection = id;
    else if (InRange(id, kCornerTopLeft, kCornerBottomLeft))
        ChooseCorner(page, id);
    ShowPendingValues(page);
}

// The page clicks its own corner button, so a stored pair that does not fit is put right at once.
static INT_PTR OnInitArrangementPage(HWND page) {
    pendingCorner = arrangeCorner;
    pendingDirection = arrangeDirection;
    pendingSortKey = sortKey;
    pendingSortOrder = sortOrder;
    ShowPendingValues(page);
    ShowChecks(page, kArrangementChecks, kArrangementCheckCount);
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(pendingCorner, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(page, pendingCorner)));
    CenterSheetIfFromTray(page);
    return TRUE;
}

// The posted arrange command runs in whichever loop comes next: the sheet's own after Apply,
// the program's after OK.
static void ApplyArrangementPage(HWND page) {
    arrangeDirection = pendingDirection;
    arrangeCorner = pendingCorner;
    sortKey = pendingSortKey;
    sortOrder = pendingSortOrder;
    StoreChecks(page, kArrangementChecks, kArrangementCheckCount);
    if (arrangeAfterSheet && noteCount != 0)
        PostMessageW(NoteWindowOf(NoteTable[0]), WM_COMMAND, IDM_ARRANGE, 0);
}

INT_PTR CALLBACK ArrangementPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnInitArrangementPage(page);
    case WM_COMMAND: OnArrangementCommand(page, LOWORD(wParam)); return 0;
    case WM_NOTIFY:
        if (ApplyArrived(lParam)) ApplyArrangementPage(page);
        return 0;
    }
    return 0;
}
