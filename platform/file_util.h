// Small file helpers shared by the loaders and savers.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

bool FileExists(const wchar_t *path);
// Creates the file empty when it does not exist yet.
void CreateEmptyFileIfMissing(const wchar_t *path);
// Writes every byte or reports failure; a short write counts as a failure.
bool WriteAllBytes(HANDLE file, const void *bytes, size_t size);
// Reads the whole file; a missing one reads as empty. 0 or the platform's error.
DWORD ReadWholeFile(const wchar_t *path, std::string &bytes);
// Runs a read attempt (0 or the platform's error) again while it fails, for as long as another
// program (a virus scanner, a backup or sync tool) plausibly holds the file; the last result.
DWORD RetryRead(const std::function<DWORD()> &attempt);
// ReadWholeFile, waiting out such a hold.
DWORD ReadWholeFileWaiting(const wchar_t *path, std::string &bytes);
// The longest path the platform takes, in UTF-16 units.
constexpr DWORD kLongestPath = 32768;
// The full path of the file, and a path in its spelling with long names; a step that fails keeps
// the path it was given.
std::wstring FullPathOf(const wchar_t *path);
std::wstring LongPathOf(const std::wstring &path);
// The file's whole size, or 0 when it is missing.
ULONGLONG FileSizeOf(const wchar_t *path);
// The platform's error of the call that just failed, never 0: a failure that set no error
// must not read as success.
DWORD LastFailure();
