#include "settings/property_sheet.h"

#include "platform/dialog_centering.h"
#include "platform/program.h"
#include "platform/system_dlls.h"
#include "res/resource.h"
#include "settings/property_pages.h"

#include <commctrl.h>

#include <cstddef>
#include <cstring>

// The sheet and its pages use the first versions of the platform's records, which end with the
// header's callback and the page's reference count: 40 bytes each in 32-bit code.
constexpr UINT kSheetHeaderSize = offsetof(PROPSHEETHEADERW, pfnCallback) + sizeof(PFNPROPSHEETCALLBACK);
constexpr UINT kPageRecordSize = offsetof(PROPSHEETPAGEW, pcRefParent) + sizeof(UINT *);
#ifndef _WIN64
static_assert(kSheetHeaderSize == 40 && kPageRecordSize == 40, "first records are 40 bytes");
#endif

struct PageEntry {
    int templateId;
    const wchar_t *title;
    DLGPROC procedure;
};

static const PageEntry kPages[] = {
    {IDD_PAGE_CREATION, L"作成方法", CreationPageProc},
    {IDD_PAGE_ARRANGEMENT, L"整列方法", ArrangementPageProc},
    {IDD_PAGE_OTHER, L"その他", OtherPageProc},
};

static PROPSHEETPAGEW PageRecord(const PageEntry &entry, SheetState &state) {
    PROPSHEETPAGEW page = {};
    page.dwSize = kPageRecordSize;
    page.dwFlags = PSP_USETITLE;
    page.hInstance = programInstance;
    page.pszTemplate = MAKEINTRESOURCEW(entry.templateId);
    page.pszTitle = entry.title;
    page.pfnDlgProc = entry.procedure;
    page.lParam = reinterpret_cast<LPARAM>(&state);
    return page;
}

static void PageRange(SheetPages pages, int &first, int &count) {
    first = pages == SheetPages::ArrangementOnly ? 1 : 0;
    count = pages == SheetPages::All ? 3 : 1;
}

// Left open by the platform: Wine returns 0 when Apply was pressed and the sheet then cancelled,
// although the settings did change. Whoever waits for the sheet learns that it was applied. A
// sheet that could not be made (-1) applied nothing.
static INT_PTR SheetResult(INT_PTR platformResult, const SheetState &state) {
    if (platformResult < 0) return 0;
    return platformResult == 0 && state.applied ? 1 : platformResult;
}

INT_PTR OpenPropertySheet(HWND parent, SheetPages pages) {
    int first, count;
    PageRange(pages, first, count);
    // Each sheet keeps its own state: sheets of several notes may be open at once.
    SheetState state = {};
    // The platform steps through the page array by each record's own size, so the short
    // records have to lie kPageRecordSize bytes apart rather than sizeof(PROPSHEETPAGEW).
    alignas(PROPSHEETPAGEW) unsigned char records[3 * kPageRecordSize];
    for (int i = 0; i < count; ++i) {
        const PROPSHEETPAGEW page = PageRecord(kPages[first + i], state);
        std::memcpy(records + i * kPageRecordSize, &page, kPageRecordSize);
    }
    PROPSHEETHEADERW header = {};
    header.dwSize = kSheetHeaderSize;
    header.dwFlags = PSH_PROPSHEETPAGE;
    header.hwndParent = parent;
    header.hInstance = programInstance;
    header.pszCaption = L"" PROGRAM_NAME "のﾌﾟﾛﾊﾟﾃｨ";
    header.nPages = count;
    header.nStartPage = 0;
    header.ppsp = reinterpret_cast<LPCPROPSHEETPAGEW>(records);
    return SheetResult(RunPropertySheet(&header), state);
}

void AdoptSheetState(HWND page, LPARAM initParam) {
    const auto *record = reinterpret_cast<const PROPSHEETPAGEW *>(initParam);
    SetWindowLongPtrW(page, DWLP_USER, record->lParam);
}

SheetState &SheetStateOf(HWND page) {
    return *reinterpret_cast<SheetState *>(GetWindowLongPtrW(page, DWLP_USER));
}

void ShowChecks(HWND page, const CheckSetting *checks, int count) {
    for (int i = 0; i < count; ++i)
        CheckDlgButton(page, checks[i].id, *checks[i].setting ? BST_CHECKED : BST_UNCHECKED);
}

void StoreChecks(HWND page, const CheckSetting *checks, int count) {
    for (int i = 0; i < count; ++i)
        *checks[i].setting = CheckState(page, checks[i].id);
}

int CheckState(HWND page, int id) {
    return IsDlgButtonChecked(page, id) == BST_CHECKED ? 1 : 0;
}

void MarkPageChanged(HWND page) {
    PropSheet_Changed(GetParent(page), page);
}

void CenterSheetIfFromTray(HWND page) {
    if (CommandCameFromTray()) CenterOnScreen(GetParent(page));
}

bool ApplyArrived(HWND page, LPARAM lParam) {
    if (reinterpret_cast<const NMHDR *>(lParam)->code != PSN_APPLY) return false;
    SheetStateOf(page).applied = true;
    return true;
}
