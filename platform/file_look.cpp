#include "platform/file_look.h"

#include <string>

static ULONGLONG Join(DWORD high, DWORD low) {
    return static_cast<ULONGLONG>(high) << 32 | low;
}

FileLook LookAtOpenFile(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(file, &info) || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return {false, 0, 0, 0};
    const FILETIME &t = info.ftLastWriteTime;
    return {true, Join(info.nFileSizeHigh, info.nFileSizeLow), Join(t.dwHighDateTime, t.dwLowDateTime),
            Join(info.nFileIndexHigh, info.nFileIndexLow) ^ info.dwVolumeSerialNumber};
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
