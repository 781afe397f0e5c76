// DLLs come from the system folder only, so that a DLL lying beside the program (unpacked into a
// downloads folder, say) never runs in its place. The common controls and the HTML Help control,
// which are not among the platform's known DLLs, are therefore loaded at run time rather than
// imported.
#pragma once
#include <windows.h>

#include <commctrl.h>

// Limits the DLL search to the system folder; the first thing the program does.
void LimitDllSearchToSystem();

// Loads the common controls from the system folder and registers their window classes (the
// up-down control among them); false when they cannot be had.
bool InitCommonControlsFromSystem();

// The platform's property sheet; -1 when the common controls cannot be had.
INT_PTR RunPropertySheet(const PROPSHEETHEADERW *header);

// The HTML Help viewer on the file, showing its contents and index, owned by the window; null when
// the file cannot be shown or the system has no HTML Help.
HWND OpenHtmlHelp(HWND owner, const wchar_t *path);
// Closes every help window that OpenHtmlHelp opened, as HTML Help asks of its host before it
// ends; nothing when Help was never chosen.
void CloseHtmlHelp();
