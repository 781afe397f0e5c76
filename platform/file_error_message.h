// Warnings about a data file that could not be read or written.
#pragma once
#include <windows.h>

// A modal warning without owner, as the other failures show them: the file, what went wrong,
// the platform's own reason, and what follows from it. The texts are Shift-JIS.
void ShowFileErrorMessage(const wchar_t *path, const char *problem, DWORD error, const char *consequence);
