// Saving a data file whole and in one step: the new content goes to a scratch file beside it,
// which then replaces it, so a crash or a full disk at any moment leaves the old file or the
// new one, never a cut one.
#pragma once
#include <windows.h>

#include "platform/file_look.h"

// Replaces the file with the bytes through the first usable scratch name; a name the platform
// refuses (a stale read-only file or a folder of that name) is no reason to fail, another one is
// tried. When none can be used, the file is written in place. Scratch files left by earlier runs
// go once it succeeds. Returns 0, or the platform's error with the previous file still in place.
// With written, tells how the file it wrote looks, taken before anyone else can replace it.
DWORD ReplaceWholeFileBytes(const wchar_t *path, const void *bytes, DWORD size, FileLook *written = nullptr);

// Records a save's outcome (0 for success) and shows the warning when a run of failed saves of
// that file begins: only its first failure is reported, and the next success ends it. The content
// stays in memory and every save tries again.
void ReportSaveOutcome(const wchar_t *path, DWORD error);
// A file that exists but could not be read at start is not written over in this run: its saves
// fail at once with the reason, and silently, since the caller has said so.
void KeepFileUnwritten(const wchar_t *path, DWORD reason);
bool FileKeptUnwritten(const wchar_t *path);

// Forgets every run of failures and every file kept unwritten, as at start.
void ForgetSaveFailures();
