#include "app/tray_icon.h"

#include "app/program.h"
#include "res/resource.h"

#include <shellapi.h>

constexpr DWORD kTrayRecordSize = 88; // the first, smallest layout the shell accepts
constexpr UINT kTrayIconId = 1;

// The tray shows small icons: the icon's own small image, drawn for that size, reads better there
// than the large one scaled down by the shell.
HICON TrayIconImage() {
    static const HICON icon =
        static_cast<HICON>(LoadImageA(programInstance, IDI_TAVLO, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                      GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    return icon ? icon : programIcon;
}

static NOTIFYICONDATAA TrayRecord() {
    NOTIFYICONDATAA record = {};
    record.cbSize = kTrayRecordSize;
    record.hWnd = mainWindow;
    record.uID = kTrayIconId;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = kTrayCallbackMessage;
    record.hIcon = TrayIconImage();
    wsprintfA(record.szTip, "%s Ver.%s", PROGRAM_NAME, PROGRAM_VERSION);
    return record;
}

void AddTrayIcon() {
    NOTIFYICONDATAA record = TrayRecord();
    Shell_NotifyIconA(NIM_ADD, &record);
}

void RemoveTrayIcon() {
    NOTIFYICONDATAA record = TrayRecord();
    Shell_NotifyIconA(NIM_DELETE, &record);
}

UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}
