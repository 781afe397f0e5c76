#include "platform/whole_file_save.h"

#include "platform/file_error_message.h"
#include "platform/file_util.h"

#include <set>
#include <string>

static const wchar_t *const kScratchSuffixes[] = {L".new", L".new1", L".new2", L".new3"};

// A file that cannot be deleted (a folder, a read-only file) is left alone.
static void RemoveScratchFiles(const wchar_t *path) {
    for (const wchar_t *suffix : kScratchSuffixes)
        DeleteFileW((std::wstring(path) + suffix).c_str());
}

// Refusals that belong to the name; any other failure (a full disk, say) would meet every
// name, and writing in place would then risk the file itself.
static bool NameRefused(DWORD error) {
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

// Opens the file with the disposition, writes every byte from its start, ends it there and
// flushes it. `opened` tells whether the file could be opened at all.
static DWORD WriteWholeFile(const wchar_t *path, DWORD disposition, const void *bytes, DWORD size,
                            bool &opened) {
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
    opened = file != INVALID_HANDLE_VALUE;
    if (!opened) return LastFailure();
    const bool ok =
        (size == 0 || WriteAllBytes(file, bytes, size)) && SetEndOfFile(file) && FlushFileBuffers(file);
    const DWORD error = ok ? 0 : LastFailure();
    CloseHandle(file);
    return error;
}

DWORD ReplaceWholeFileBytes(const wchar_t *path, const void *bytes, DWORD size) {
    for (const wchar_t *suffix : kScratchSuffixes) {
        const std::wstring scratch = std::wstring(path) + suffix;
        bool created = false;
        DWORD error = WriteWholeFile(scratch.c_str(), CREATE_ALWAYS, bytes, size, created);
        if (!created && NameRefused(error)) continue;
        if (!error && !MoveFileExW(scratch.c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            error = LastFailure();
        if (error) {
            DeleteFileW(scratch.c_str());
            return error;
        }
        RemoveScratchFiles(path);
        return 0;
    }
    // Every scratch name is refused (the folder takes no new files, say): writing the file
    // where it stands is better than losing every change of the run.
    bool opened = false;
    const DWORD error = WriteWholeFile(path, OPEN_ALWAYS, bytes, size, opened);
    if (!error) RemoveScratchFiles(path);
    return error;
}

// The files whose last save failed.
static std::set<std::wstring> failingFiles;

void ReportSaveOutcome(const wchar_t *path, DWORD error) {
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
