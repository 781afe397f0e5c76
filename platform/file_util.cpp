#include "platform/file_util.h"

bool FileExists(const char *path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void CreateEmptyFileIfMissing(const char *path) {
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

bool WriteAllBytes(HANDLE file, const void *bytes, size_t size) {
    DWORD written = 0;
    return WriteFile(file, bytes, static_cast<DWORD>(size), &written, nullptr) && written == size;
}

ULONGLONG FileSizeOf(const char *path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path, &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    FindClose(search);
    return static_cast<ULONGLONG>(found.nFileSizeHigh) << 32 | found.nFileSizeLow;
}

DWORD LastFailure() {
    const DWORD error = GetLastError();
    return error ? error : ERROR_WRITE_FAULT;
}
