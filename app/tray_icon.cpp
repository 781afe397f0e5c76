#include "app/tray_icon.h"

#include "platform/program.h"
#include "platform/wide_text.h"
#include "res/resource.h"

#include <shellapi.h>

// The shell may be too busy to take the icon, at logon above all: it is asked again this often
// until it does, or the program could not be reached at all with no note open.
constexpr UINT kTrayRetryMs = 2000;
constexpr UINT_PTR kTrayRetryTimerId = 9307; // on mainWindow

// The tray shows small icons: the icon's own small image, drawn for that size, reads better there
// than the large one scaled down by the shell.
HICON TrayIconImage() {
    static const HICON icon = static_cast<HICON>(LoadImageW(programInstance, L"" IDI_TAVLO, IMAGE_ICON,
                                                            GetSystemMetrics(SM_CXSMICON),
                                                            GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    return icon ? icon : programIcon;
}

static NOTIFYICONDATAW TrayRecord() {
    NOTIFYICONDATAW record = {};
    record.cbSize = NOTIFYICONDATAW_V1_SIZE; // the first, smallest layout every shell accepts
    record.hWnd = mainWindow;
    record.uID = kTrayIconId;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = kTrayCallbackMessage;
    record.hIcon = TrayIconImage();
    lstrcpynW(record.szTip, Wide(PROGRAM_NAME " Ver." PROGRAM_VERSION).c_str(), ARRAYSIZE(record.szTip));
    return record;
}

static bool NotifyTray(DWORD action) {
    NOTIFYICONDATAW record = TrayRecord();
    return Shell_NotifyIconW(action, &record) != FALSE;
}

// A refused add may still have reached the shell late: an icon that can be changed is there.
static void CALLBACK RetryTrayIcon(HWND window, UINT, UINT_PTR id, DWORD) {
    if (NotifyTray(NIM_MODIFY) || NotifyTray(NIM_ADD)) KillTimer(window, id);
}

void AddTrayIcon() {
    if (NotifyTray(NIM_ADD))
        KillTimer(mainWindow, kTrayRetryTimerId);
    else
        SetTimer(mainWindow, kTrayRetryTimerId, kTrayRetryMs, RetryTrayIcon);
}

void RemoveTrayIcon() {
    KillTimer(mainWindow, kTrayRetryTimerId);
    NotifyTray(NIM_DELETE);
}

UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}
