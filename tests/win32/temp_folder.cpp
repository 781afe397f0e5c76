#include "tests/win32/temp_folder.h"

std::wstring MakeTempFolder(const std::wstring &nameEnd) {
    static int counter = 0;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring name = std::wstring(temp) + L"tavlo-test-" + std::to_wstring(GetCurrentProcessId()) +
                              L"-" + std::to_wstring(++counter) + L"-" + std::to_wstring(GetTickCount()) +
                              nameEnd + L"\\";
    CreateDirectoryW(name.c_str(), nullptr);
    return name;
}

void RemoveFolder(const std::wstring &folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileW((folder + found.cFileName).c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}
