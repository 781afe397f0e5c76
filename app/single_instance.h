// The guard that lets one copy run per desktop, or one per executable path with /W.
#pragma once
#include <windows.h>

#include <string>

// The name of the single-instance object: the marker alone, or followed by the executable's path
// when one is given.
std::wstring SingleInstanceName(const wchar_t *executablePath);

// Creates the named object; on failure shows why and returns null (the program then ends).
HANDLE AcquireSingleInstance(bool perPath);
