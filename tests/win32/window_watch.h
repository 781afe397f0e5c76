// Counts the dialogs and popup menus this thread creates while a WindowWatch lives, so that a
// test can tell that a command opened nothing.
#pragma once
#include <windows.h>

#include <cstring>

class WindowWatch {
public:
    WindowWatch() {
        dialogs_ = menus_ = 0;
        hook_ = SetWindowsHookExA(WH_CBT, Watch, nullptr, GetCurrentThreadId());
    }
    ~WindowWatch() { UnhookWindowsHookEx(hook_); }
    WindowWatch(const WindowWatch &) = delete;
    WindowWatch &operator=(const WindowWatch &) = delete;
    int Dialogs() const { return dialogs_; }
    int Menus() const { return menus_; }

private:
    static LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_CREATEWND) {
            char className[32] = "";
            GetClassNameA(reinterpret_cast<HWND>(wParam), className, sizeof className);
            if (std::strcmp(className, "#32770") == 0) ++dialogs_;
            if (std::strcmp(className, "#32768") == 0) ++menus_;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline int dialogs_ = 0, menus_ = 0;
    HHOOK hook_;
};
