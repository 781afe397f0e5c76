#include "platform/monitors.h"

static BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        auto &monitors = *reinterpret_cast<std::vector<MonitorRects> *>(list);
        const MonitorRects rects = {info.rcMonitor, info.rcWork};
        if (info.dwFlags & MONITORINFOF_PRIMARY)
            monitors.insert(monitors.begin(), rects);
        else
            monitors.push_back(rects);
    }
    return TRUE;
}

std::vector<MonitorRects> DisplayMonitors() {
    std::vector<MonitorRects> monitors;
    EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

RECT VirtualScreenRect() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return RECT{left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

bool MonitorOfWindow(HWND window, RECT &whole, bool &primary) {
    const HMONITOR monitor = window ? MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST) : nullptr;
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (!monitor || !GetMonitorInfoW(monitor, &info)) return false;
    whole = info.rcMonitor;
    primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
    return true;
}
