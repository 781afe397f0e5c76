// Saving a data file whole and in one step: the new content goes to a scratch file beside it,
// which then replaces it, so a crash or a full disk at any moment leaves the old file or the
// new one, never a cut one.
#pragma once
#include <windows.h>

#include <functional>

// What writing a scratch file came to. A name the platform refuses (a stale read-only file or
// a folder of that name) is no reason to fail: another name is tried.
struct ScratchOutcome {
    bool created; // false when the scratch file could not be created at all
    DWORD error;  // 0 when the new content is in the scratch file
};
// Creates the scratch file of that name and writes the new content into it.
using ScratchWriter = std::function<ScratchOutcome(const char *scratchPath)>;
// Writes the new content over the file where it stands; 0 or the platform's error.
using InPlaceWriter = std::function<DWORD(const char *path)>;

// Replaces the file with the new content through the first usable scratch name; when none can
// be used, writes the file in place. Scratch files left by earlier runs go once it succeeds.
// Returns 0, or the platform's error with the previous file still in place.
DWORD ReplaceWholeFile(const char *path, const ScratchWriter &writeScratch,
                       const InPlaceWriter &writeInPlace);

// The same for new content held in memory.
DWORD ReplaceWholeFileBytes(const char *path, const void *bytes, DWORD size);

// Records a save's outcome (0 for success) and shows the warning when a run of failed saves of
// that file begins: only its first failure is reported, and the next success ends it. The content
// stays in memory and every save tries again.
void ReportSaveOutcome(const char *path, DWORD error);
// Forgets every run of failures, as at start.
void ForgetSaveFailures();
