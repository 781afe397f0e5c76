// Private folders for the files of a test or a benchmark run.
#pragma once
#include <windows.h>

#include <string>

// A fresh folder under the temporary directory (ends with a backslash); its name may end with
// characters of any kind.
std::wstring MakeTempFolder(const std::wstring &nameEnd = L"");
// Deletes the files in the folder and then the folder.
void RemoveFolder(const std::wstring &folder);
