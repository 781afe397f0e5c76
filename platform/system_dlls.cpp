#include "platform/system_dlls.h"

#include <htmlhelp.h>

// The platform's value, declared only for newer targets than ours.
constexpr DWORD kSearchSystem32 = 0x00000800; // LOAD_LIBRARY_SEARCH_SYSTEM32

// True once every later load searches the system folder alone. Windows 7 without its update of
// 2011 lacks that call; there DLLs are loaded by the full path of the system folder instead.
static bool systemSearchOnly;

template <typename Function> static Function ProcOf(HMODULE module, const char *name) {
    return module ? reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)))
                  : nullptr;
}

void LimitDllSearchToSystem() {
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    const auto setDefaultDirectories = ProcOf<BOOL(WINAPI *)(DWORD)>(kernel, "SetDefaultDllDirectories");
    systemSearchOnly = setDefaultDirectories && setDefaultDirectories(kSearchSystem32);
    // Takes the program's current folder out of the search where the call above is missing.
    if (const auto setDirectory = ProcOf<BOOL(WINAPI *)(LPCWSTR)>(kernel, "SetDllDirectoryW"))
        setDirectory(L"");
}

// The DLL of that name in the system folder, by its full path.
static HMODULE LoadByFullSystemPath(const wchar_t *name) {
    wchar_t path[MAX_PATH + 16];
    const UINT length = GetSystemDirectoryW(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    lstrcatW(path, L"\\");
    lstrcatW(path, name);
    return LoadLibraryW(path);
}

static HMODULE LoadFromSystemFolder(const wchar_t *name) {
    if (systemSearchOnly) return LoadLibraryExW(name, nullptr, kSearchSystem32);
    return LoadByFullSystemPath(name);
}

// Loaded once and kept for the run: windows of its classes may live until the end.
static HMODULE CommonControls() {
    static const HMODULE module = LoadFromSystemFolder(L"comctl32.dll");
    return module;
}

bool InitCommonControlsFromSystem() {
    const auto init =
        ProcOf<BOOL(WINAPI *)(const INITCOMMONCONTROLSEX *)>(CommonControls(), "InitCommonControlsEx");
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    return init && init(&controls);
}

INT_PTR RunPropertySheet(const PROPSHEETHEADERW *header) {
    const auto run = ProcOf<INT_PTR(WINAPI *)(const PROPSHEETHEADERW *)>(CommonControls(), "PropertySheetW");
    return run ? run(header) : -1;
}

// Loaded only when Help is first chosen, and kept: the help window lives on after the call.
static HMODULE htmlHelpControl;
using HtmlHelpFunction = HWND(WINAPI *)(HWND, LPCWSTR, UINT, DWORD_PTR);

HWND OpenHtmlHelp(HWND owner, const wchar_t *path) {
    if (!htmlHelpControl) htmlHelpControl = LoadByFullSystemPath(L"hhctrl.ocx");
    const auto show = ProcOf<HtmlHelpFunction>(htmlHelpControl, "HtmlHelpW");
    return show ? show(owner, path, HH_DISPLAY_TOC, 0) : nullptr;
}

void CloseHtmlHelp() {
    const auto close = ProcOf<HtmlHelpFunction>(htmlHelpControl, "HtmlHelpW");
    if (close) close(nullptr, nullptr, HH_CLOSE_ALL, 0);
}
