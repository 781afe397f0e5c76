#include "tests/win32/temp_folder.h"

std::string MakeTempFolder() {
    static int counter = 0;
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    char name[MAX_PATH + 64];
    wsprintfA(name, "%stavlo-test-%lu-%d-%lu\\", temp, GetCurrentProcessId(), ++counter, GetTickCount());
    CreateDirectoryA(name, nullptr);
    return name;
}

void RemoveFolder(const std::string &folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA((folder + found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}
