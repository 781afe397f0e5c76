#include "app/splash.h"

#include "platform/dialog_centering.h"
#include "platform/program.h"
#include "platform/wide_text.h"
#include "res/resource.h"

static INT_PTR CALLBACK SplashProc(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

void ShowSplash() {
    HWND splash = CreateDialogParamW(programInstance, MAKEINTRESOURCEW(IDD_SPLASH), nullptr, SplashProc, 0);
    if (!splash) return;
    SetWindowLongW(splash, GWL_EXSTYLE, GetWindowLongW(splash, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
    RECT r;
    GetWindowRect(splash, &r);
    const POINT p = CenteredPosition(r);
    SetWindowPos(splash, HWND_TOPMOST, p.x, p.y, r.right - r.left, r.bottom - r.top, kHiddenPlacement);
    ShowWindow(splash, SW_SHOW);
    HDC dc = GetDC(splash);
    DrawIcon(dc, 15, 10, programIcon);
    ReleaseDC(splash, dc);
    SetControlText932(splash, IDC_SPLASH_TEXT, PROGRAM_NAME "  Version " PROGRAM_VERSION);
    // The wait deliberately handles no messages: the splash blocks the program for a second.
    // So it is painted now, frame, text and all, or it may show nothing during that second.
    UpdateWindow(splash);
    Sleep(1000);
    DestroyWindow(splash);
}
