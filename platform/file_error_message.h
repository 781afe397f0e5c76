// Warnings about a data file that could not be read or written.
#pragma once
#include <windows.h>

// A modal warning without owner, as the other failures show them: the file, what went wrong,
// the platform's own reason, and what follows from it.
void ShowFileErrorMessage(const char *path, const char *problem, DWORD error, const char *consequence);
