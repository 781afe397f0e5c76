#include "platform/whole_file_save.h"

#include "platform/file_error_message.h"
#include "platform/file_util.h"

#include <set>
#include <string>

static const char *const kScratchSuffixes[] = {".new", ".new1", ".new2", ".new3"};

// A file that cannot be deleted (a folder, a read-only file) is left alone.
static void RemoveScratchFiles(const char *path) {
    for (const char *suffix : kScratchSuffixes)
        DeleteFileA((std::string(path) + suffix).c_str());
}

// Refusals that belong to the name; any other failure (a full disk, say) would meet every
// name, and writing in place would then risk the file itself.
static bool NameRefused(DWORD error) {
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

DWORD ReplaceWholeFile(const char *path, const ScratchWriter &writeScratch,
                       const InPlaceWriter &writeInPlace) {
    for (const char *suffix : kScratchSuffixes) {
        const std::string scratch = std::string(path) + suffix;
        const ScratchOutcome outcome = writeScratch(scratch.c_str());
        if (!outcome.created && NameRefused(outcome.error)) continue;
        DWORD error = outcome.error;
        if (!error && !MoveFileExA(scratch.c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            error = LastFailure();
        if (error) {
            DeleteFileA(scratch.c_str());
            return error;
        }
        RemoveScratchFiles(path);
        return 0;
    }
    // Every scratch name is refused (the folder takes no new files, say): writing the file
    // where it stands is better than losing every change of the run.
    const DWORD error = writeInPlace(path);
    if (!error) RemoveScratchFiles(path);
    return error;
}

// Opens the file with the disposition, writes every byte from its start, ends it there and
// flushes it. `opened` tells whether the file could be opened at all.
static DWORD WriteWholeFile(const char *path, DWORD disposition, const void *bytes, DWORD size,
                            bool &opened) {
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
    opened = file != INVALID_HANDLE_VALUE;
    if (!opened) return LastFailure();
    const bool ok =
        (size == 0 || WriteAllBytes(file, bytes, size)) && SetEndOfFile(file) && FlushFileBuffers(file);
    const DWORD error = ok ? 0 : LastFailure();
    CloseHandle(file);
    return error;
}

DWORD ReplaceWholeFileBytes(const char *path, const void *bytes, DWORD size) {
    bool opened = false;
    return ReplaceWholeFile(
        path,
        [&](const char *scratch) {
            const DWORD error = WriteWholeFile(scratch, CREATE_ALWAYS, bytes, size, opened);
            return ScratchOutcome{opened, error};
        },
        [&](const char *target) { return WriteWholeFile(target, OPEN_ALWAYS, bytes, size, opened); });
}

// The files whose last save failed.
static std::set<std::string> failingFiles;

void ReportSaveOutcome(const char *path, DWORD error) {
    if (!error) {
        failingFiles.erase(path);
        return;
    }
    // Marked first: the warning's own message loop may run another save of the same file.
    if (!failingFiles.insert(path).second) return;
    ShowFileErrorMessage(path, "このファイルに保存できません.", error,
                         "内容はメモリに残り, 次の保存でもう一度書き込みます.");
}

void ForgetSaveFailures() {
    failingFiles.clear();
}
