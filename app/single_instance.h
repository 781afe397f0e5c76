// The guard that lets one copy run per desktop, or one per executable path with /W.
#pragma once
#include <windows.h>

// Room for the program's marker and a path of MAX_PATH bytes.
constexpr int kInstanceNameSize = 16 + MAX_PATH;

// The name of the single-instance object: the marker alone, or followed by the executable's path
// when one is given.
void SingleInstanceName(const char *executablePath, char (&name)[kInstanceNameSize]);

// Creates the named object; on failure shows why and returns null (the program then ends).
HANDLE AcquireSingleInstance(bool perPath);
