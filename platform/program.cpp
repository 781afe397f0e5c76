#include "platform/program.h"

#include "platform/wide_text.h"

HINSTANCE programInstance;
HWND mainWindow;
HICON programIcon;
int timerMode, requireSavedNotes, ignoreSettings, perPathInstance;
HWND lastCommandWindow;
int screenWidth, screenHeight;
bool programEnding;
const wchar_t kWindowClassName[] = L"" PROGRAM_NAME;

void ShowErrorMessage(const wchar_t *text) {
    MessageBoxW(nullptr, text, Wide(ERROR_CAPTION).c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void ShowErrorMessage(const char *text) {
    ShowErrorMessage(Wide(text).c_str());
}
