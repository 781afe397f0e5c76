// The floor of the process benchmarks: the simplest program doing the platform work tavlo does.
// Without arguments it waits a second, as tavlo's splash does, then shows 99 popups of the notes'
// size, each filled and with one line of text. With "clock" it shows four such popups and
// repaints three of them every second with the time.
#include "bench/bench_layout.h"

#include <cstring>
#include <string>

static HWND clockWindows[kClockNotes];

static void PaintLine(HWND window, const char *text) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    HBRUSH brush = CreateSolidBrush(RGB(255, 255, 128));
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, 3, 3, text, lstrlenA(text));
    EndPaint(window, &ps);
}

static void PaintWindow(HWND window) {
    char text[64];
    GetWindowTextA(window, text, sizeof text);
    if (std::strcmp(text, "clock") == 0) {
        SYSTEMTIME now;
        GetLocalTime(&now);
        wsprintfA(text, "%d/%d/%d %2d:%02d:%02d", now.wYear % 100, now.wMonth, now.wDay, now.wHour,
                  now.wMinute, now.wSecond);
    }
    PaintLine(window, text);
}

static LRESULT CALLBACK FloorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PaintWindow(window);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

static void CALLBACK ClockTick(HWND, UINT, UINT_PTR, DWORD) {
    for (HWND window : clockWindows)
        InvalidateRect(window, nullptr, FALSE);
}

static HWND ShowPopup(int index, const char *text) {
    const RECT r = BenchNoteRect(index);
    const std::wstring title(text, text + std::strlen(text)); // the titles are ASCII
    return CreateWindowExW(WS_EX_TOOLWINDOW, kFloorClassName, title.c_str(), WS_POPUP | WS_VISIBLE, r.left,
                           r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

static void ShowNotes() {
    Sleep(1000);
    for (int i = 0; i < kBenchNotes; ++i) {
        char text[32];
        wsprintfA(text, "note %d", i + 1);
        ShowPopup(i, text);
    }
}

static void ShowClocks() {
    for (int i = 0; i < kClockNotes; ++i)
        clockWindows[i] = ShowPopup(i, "clock");
    ShowPopup(kClockNotes, "plain");
    SetTimer(nullptr, 0, 1000, ClockTick);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    WNDCLASSW windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = FloorWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kFloorClassName;
    RegisterClassW(&windowClass);
    if (std::strstr(commandLine, "clock"))
        ShowClocks();
    else
        ShowNotes();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
