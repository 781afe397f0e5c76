#include "platform/file_util.h"

bool FileExists(const wchar_t *path) {
    const DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void CreateEmptyFileIfMissing(const wchar_t *path) {
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

bool WriteAllBytes(HANDLE file, const void *bytes, size_t size) {
    DWORD written = 0;
    return WriteFile(file, bytes, static_cast<DWORD>(size), &written, nullptr) && written == size;
}

ULONGLONG FileSizeOf(const wchar_t *path) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(path, &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    FindClose(search);
    return static_cast<ULONGLONG>(found.nFileSizeHigh) << 32 | found.nFileSizeLow;
}

template <typename Step> static std::wstring PathAfter(const std::wstring &path, Step step) {
    std::wstring out(kLongestPath, L'\0');
    const DWORD length = step(path.c_str(), &out[0], kLongestPath);
    if (length == 0 || length >= kLongestPath) return path;
    out.resize(length);
    return out;
}

std::wstring FullPathOf(const wchar_t *path) {
    return PathAfter(path, [](const wchar_t *p, wchar_t *out, DWORD size) {
        return GetFullPathNameW(p, size, out, nullptr);
    });
}

std::wstring LongPathOf(const std::wstring &path) {
    return PathAfter(path, GetLongPathNameW);
}

DWORD LastFailure() {
    const DWORD error = GetLastError();
    return error ? error : ERROR_WRITE_FAULT;
}

DWORD ReadWholeFile(const wchar_t *path, std::string &bytes) {
    bytes.clear();
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = LastFailure();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? 0 : error;
    }
    LARGE_INTEGER size = {};
    DWORD error = GetFileSizeEx(file, &size) ? 0 : LastFailure();
    if (!error && size.QuadPart > MAXDWORD) error = ERROR_FILE_TOO_LARGE;
    if (!error) {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD read = 0;
        if (!bytes.empty() && !ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr))
            error = LastFailure();
        bytes.resize(read);
    }
    CloseHandle(file);
    return error;
}

// Locks of virus scanners and backup tools last well under this.
constexpr DWORD kReadRetryMs = 2000;
constexpr DWORD kReadRetryStepMs = 100;

DWORD RetryRead(const std::function<DWORD()> &attempt) {
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD error = attempt();
        if (!error || GetTickCount() - start >= kReadRetryMs) return error;
        Sleep(kReadRetryStepMs);
    }
}

DWORD ReadWholeFileWaiting(const wchar_t *path, std::string &bytes) {
    return RetryRead([&] { return ReadWholeFile(path, bytes); });
}
