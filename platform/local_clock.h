// Reads the platform's local clock.
#pragma once
#include <windows.h>

#include "platform/local_time.h"

inline LocalTime ReadLocalTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}
