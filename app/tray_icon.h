// The notification-area icon owned by the hidden main window.
#pragma once
#include <windows.h>

void AddTrayIcon();
// The program icon at the size of the notification area.
HICON TrayIconImage();
void RemoveTrayIcon();
// The message the shell broadcasts when the taskbar is re-created; the icon is then added again.
UINT TaskbarCreatedMessage();
