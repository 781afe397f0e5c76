// Opening the program's help, as the Help command does.
#pragma once
#include <windows.h>

// Opens the help owned by the window: the WinHelp file in the WinHelp viewer where both are there,
// else the HTML Help file with its contents and index; when neither can be shown, says which file
// was looked for.
void ShowHelp(HWND owner);
