// The guard that lets one copy run per desktop, or one per executable path with /W.
#pragma once
#include <windows.h>

// Creates the named object; on failure shows why and returns null (the program then ends).
HANDLE AcquireSingleInstance(bool perPath);
