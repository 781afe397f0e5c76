#include "platform/whole_file_save.h"

#include "platform/file_error_message.h"
#include "platform/file_util.h"

#include <cstring>
#include <map>
#include <set>
#include <string>

// Files this run must not write, with the reason why.
static std::map<std::wstring, DWORD> heldFiles;

static DWORD HeldReason(const wchar_t *path) {
    const auto found = heldFiles.find(path);
    return found == heldFiles.end() ? 0 : found->second;
}

static const wchar_t *const kScratchSuffixes[] = {L".new", L".new1", L".new2", L".new3"};

// A reader (a virus scanner, a backup tool, the other copy of the program) may hold the file a
// moment; the replacement waits for it this long.
constexpr DWORD kReplaceRetryMs = 1000;
constexpr DWORD kReplaceRetryStepMs = 20;

// Removes scratch files left behind by a run that ended in mid-save. One that another process
// holds open (another copy of the program sharing the folder, in the middle of its own save)
// cannot be removed and is left alone, as is one that cannot be deleted at all.
static void RemoveScratchFiles(const wchar_t *path) {
    for (const wchar_t *suffix : kScratchSuffixes)
        DeleteFileW((std::wstring(path) + suffix).c_str());
}

// Refusals that belong to the name; any other failure (a full disk, say) would meet every
// name, and writing in place would then risk the file itself.
static bool NameRefused(DWORD error) {
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

// Writes every byte from the start of the open file, ends it there and flushes it.
static DWORD WriteAndFlush(HANDLE file, const void *bytes, DWORD size) {
    const bool ok =
        (size == 0 || WriteAllBytes(file, bytes, size)) && SetEndOfFile(file) && FlushFileBuffers(file);
    return ok ? 0 : LastFailure();
}

// The file's name as the platform's own layer takes it: a full path behind "\??\".
static std::wstring NtPath(const wchar_t *path) {
    const std::wstring full = FullPathOf(path);
    if (full.compare(0, 4, L"\\\\?\\") == 0) return L"\\??\\" + full.substr(4);
    if (full.compare(0, 2, L"\\\\") == 0) return L"\\??\\UNC\\" + full.substr(2);
    return L"\\??\\" + full;
}

// Files whose last replacement waited for a reader in vain: until one succeeds again, a save
// that meets the same refusal fails at once, so a file held for long does not stall every click.
static std::set<std::wstring> waitedInVain;

// A reader may let go in a moment; a read-only file never will.
static bool MayWaitFor(const wchar_t *path) {
    const DWORD attributes = GetFileAttributesW(path);
    const bool readOnly = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
    return !readOnly && !waitedInVain.count(path);
}

// Gives the open scratch file the file's name, replacing the file. While a reader holds the file
// the platform refuses; that is waited out for a while, once per run of such refusals.
static DWORD RenameOpenFile(HANDLE scratch, const wchar_t *path) {
    const std::wstring target = NtPath(path);
    std::wstring record(sizeof(FILE_RENAME_INFO) / sizeof(wchar_t) + target.size() + 1, L'\0');
    auto *rename = reinterpret_cast<FILE_RENAME_INFO *>(&record[0]);
    rename->ReplaceIfExists = TRUE;
    rename->RootDirectory = nullptr;
    rename->FileNameLength = static_cast<DWORD>(target.size() * sizeof(wchar_t));
    std::memcpy(rename->FileName, target.c_str(), (target.size() + 1) * sizeof(wchar_t));
    const DWORD recordSize = static_cast<DWORD>(record.size() * sizeof(wchar_t));
    const bool mayWait = MayWaitFor(path);
    for (const DWORD start = GetTickCount();; Sleep(kReplaceRetryStepMs)) {
        if (SetFileInformationByHandle(scratch, FileRenameInfo, rename, recordSize)) {
            waitedInVain.erase(path);
            return 0;
        }
        const DWORD error = LastFailure();
        if (!NameRefused(error)) return error;
        if (!mayWait || GetTickCount() - start >= kReplaceRetryMs) {
            if (mayWait) waitedInVain.insert(path);
            return error;
        }
    }
}

// Closes a scratch file that did not become the file, and removes it.
static void DiscardScratch(HANDLE scratch) {
    FILE_DISPOSITION_INFO dispose = {TRUE};
    SetFileInformationByHandle(scratch, FileDispositionInfo, &dispose, sizeof dispose);
    CloseHandle(scratch);
}

// The scratch file is written and renamed while it is still open, shared for reading only: until
// it has become the file, no other process (another copy of the program sharing the folder) can
// write, replace or remove it, and a copy that tries its name takes the next one. Readers of the
// file are never kept out.
DWORD ReplaceWholeFileBytes(const wchar_t *path, const void *bytes, DWORD size, FileLook *written) {
    if (const DWORD held = HeldReason(path)) return held;
    for (const wchar_t *suffix : kScratchSuffixes) {
        const std::wstring name = std::wstring(path) + suffix;
        HANDLE scratch = CreateFileW(name.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_READ, nullptr,
                                     CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
        if (scratch == INVALID_HANDLE_VALUE) {
            const DWORD error = LastFailure();
            if (NameRefused(error)) continue;
            return error;
        }
        DWORD error = WriteAndFlush(scratch, bytes, size);
        if (!error) error = RenameOpenFile(scratch, path);
        if (error) {
            DiscardScratch(scratch);
            return error;
        }
        if (written) *written = LookAtOpenFile(scratch);
        CloseHandle(scratch);
        RemoveScratchFiles(path);
        return 0;
    }
    // Every scratch name is refused (the folder takes no new files, say): writing the file
    // where it stands is better than losing every change of the run.
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
    if (file == INVALID_HANDLE_VALUE) return LastFailure();
    const DWORD error = WriteAndFlush(file, bytes, size);
    if (written) *written = LookAtOpenFile(file);
    CloseHandle(file);
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

void KeepFileUnwritten(const wchar_t *path, DWORD reason) {
    heldFiles[path] = reason;
    failingFiles.insert(path); // the caller has said why
}

bool FileKeptUnwritten(const wchar_t *path) {
    return HeldReason(path) != 0;
}

void ForgetSaveFailures() {
    failingFiles.clear();
    heldFiles.clear();
    waitedInVain.clear();
}
