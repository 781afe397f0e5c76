// The monitors as the platform reports them.
#pragma once
#include <windows.h>

#include <vector>

// A monitor: the whole of it, and its work area (without the taskbar).
struct MonitorRects {
    RECT whole, work;
};

// Every monitor, the primary first.
std::vector<MonitorRects> DisplayMonitors();

// The rectangle that holds every monitor.
RECT VirtualScreenRect();

// The monitor that shows the window, or the nearest one to it; false when there is none. primary
// tells whether that is the primary monitor.
bool MonitorOfWindow(HWND window, RECT &whole, bool &primary);
