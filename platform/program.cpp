#include "platform/program.h"

HINSTANCE programInstance;
HWND mainWindow;
HICON programIcon;
int timerMode, requireSavedNotes, ignoreSettings, perPathInstance;
HWND lastCommandWindow;
int screenWidth, screenHeight;
const char kWindowClassName[] = PROGRAM_NAME;

void ShowErrorMessage(const char *text) {
    MessageBoxA(nullptr, text, ERROR_CAPTION, MB_OK | MB_ICONEXCLAMATION);
}
