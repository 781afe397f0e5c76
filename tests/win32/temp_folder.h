// Private folders for the files of a test or a benchmark run.
#pragma once
#include <windows.h>

#include <string>

// A fresh folder under the temporary directory (ends with a backslash).
std::string MakeTempFolder();
// Deletes the files in the folder and then the folder.
void RemoveFolder(const std::string &folder);
