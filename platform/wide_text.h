// Where text crosses into Windows. Inside, every text is Shift-JIS (code page 932) bytes; the
// platform is always spoken to in UTF-16 through the wide functions, converted here with code
// page 932 itself and never with the system's code page, so the program reads and shows the same
// under every Windows language setting.
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

// Shift-JIS bytes as UTF-16.
std::wstring Wide(const char *text);
std::wstring Wide(const char *text, size_t length);
std::wstring Wide(const std::string &text);
// How many UTF-16 units the Shift-JIS bytes become.
size_t WideLength(const char *text, size_t length);
// UTF-16 as Shift-JIS bytes; a character without a Shift-JIS code becomes "?".
std::string Narrow(const wchar_t *text);
std::string Narrow(const wchar_t *text, size_t length);
std::string Narrow(const std::wstring &text);

// Window and control texts, and message boxes, in Shift-JIS.
std::string WindowText(HWND window);
void SetWindowText932(HWND window, const char *text);
std::string ControlText932(HWND dialog, int id);
void SetControlText932(HWND dialog, int id, const char *text);
int MessageBox932(HWND owner, const char *text, const char *caption, UINT flags);

// A font description with its face name in UTF-16, and the face name taken back into the stored
// description; the bytes after the name's end stay as they were.
LOGFONTW WideLogFont(const LOGFONTA &font);
void TakeWideLogFont(const LOGFONTW &wide, LOGFONTA &font);
