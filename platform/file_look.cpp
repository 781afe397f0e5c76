#include "platform/file_look.h"

#include <string>

static ULONGLONG Join(DWORD high, DWORD low) {
    return static_cast<ULONGLONG>(high) << 32 | low;
}

// The file's index on its volume, which a look at one path needs no volume beside. Asked of the
// file alone: GetFileInformationByHandle asks for the volume's serial number too, which under
// Wine is a round trip to its mount manager costing four times the rest of the look, and the
// program looks every three seconds.
static bool FileIndexOf(HANDLE file, ULONGLONG &index) {
    using QueryInformationFile = LONG(WINAPI *)(HANDLE, void *, void *, ULONG, int);
    constexpr int kFileInternalInformation = 6;
    static const auto query = reinterpret_cast<QueryInformationFile>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationFile")));
    ULONG_PTR status[2];
    LARGE_INTEGER number;
    if (!query || query(file, status, &number, sizeof number, kFileInternalInformation) != 0) return false;
    index = static_cast<ULONGLONG>(number.QuadPart);
    return true;
}

FileLook LookAtOpenFile(HANDLE file) {
    FILE_BASIC_INFO basic;
    FILE_STANDARD_INFO standard;
    ULONGLONG index = 0;
    if (!GetFileInformationByHandleEx(file, FileBasicInfo, &basic, sizeof basic) ||
        !GetFileInformationByHandleEx(file, FileStandardInfo, &standard, sizeof standard) ||
        standard.Directory || !FileIndexOf(file, index))
        return {false, 0, 0, 0};
    return {true, static_cast<ULONGLONG>(standard.EndOfFile.QuadPart),
            static_cast<ULONGLONG>(basic.LastWriteTime.QuadPart), index};
}

// Opened for its attributes only, which no writer's sharing mode refuses; where even that is
// refused, the attributes by name, without the file's identity.
FileLook LookAtFile(const wchar_t *path) {
    const HANDLE file =
        CreateFileW(path, FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        const FileLook look = LookAtOpenFile(file);
        CloseHandle(file);
        if (look.exists) return look;
    }
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path, GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return {false, 0, 0, 0};
    const FILETIME &t = data.ftLastWriteTime;
    return {true, Join(data.nFileSizeHigh, data.nFileSizeLow), Join(t.dwHighDateTime, t.dwLowDateTime), 0};
}

// The folder with its last separator, so that a file at a drive's root gives "C:\".
static std::wstring FolderOf(const wchar_t *path) {
    const std::wstring p(path);
    const size_t separator = p.find_last_of(L"\\/");
    return separator == std::wstring::npos ? L"." : p.substr(0, separator + 1);
}

HANDLE WatchFolderOf(const wchar_t *path) {
    const DWORD changes =
        FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_FILE_NAME;
    return FindFirstChangeNotificationW(FolderOf(path).c_str(), FALSE, changes);
}

bool WatchNextChange(HANDLE watch) {
    return FindNextChangeNotification(watch) != FALSE;
}

void StopWatching(HANDLE watch) {
    if (watch != INVALID_HANDLE_VALUE) FindCloseChangeNotification(watch);
}
