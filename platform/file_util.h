// Small file helpers shared by the loaders and savers.
#pragma once
#include <windows.h>

bool FileExists(const char *path);
// Creates the file empty when it does not exist yet.
void CreateEmptyFileIfMissing(const char *path);
// Writes every byte or reports failure; a short write counts as a failure.
bool WriteAllBytes(HANDLE file, const void *bytes, size_t size);
// The file's whole size, or 0 when it is missing.
ULONGLONG FileSizeOf(const char *path);
// The platform's error of the call that just failed, never 0: a failure that set no error
// must not read as success.
DWORD LastFailure();
