// The notification-area icon owned by the hidden main window.
#pragma once
#include <windows.h>

// The program's one icon in the notification area, and the message its mouse events come in.
constexpr UINT kTrayIconId = 1;
constexpr UINT kTrayCallbackMessage = 32868;

// Adds the icon; one the shell refuses is asked for again every few seconds until it is taken.
void AddTrayIcon();
// The program icon at the size of the notification area.
HICON TrayIconImage();
void RemoveTrayIcon();
// The message the shell broadcasts when the taskbar is re-created; the icon is then added again.
UINT TaskbarCreatedMessage();
