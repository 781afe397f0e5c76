#include "platform/help_viewer.h"

#include "platform/file_util.h"
#include "platform/help_file_name.h"
#include "platform/program.h"
#include "platform/program_files.h"
#include "platform/system_dlls.h"
#include "platform/wide_text.h"

#include <string>

// The viewer of WinHelp files lies in the Windows folder where the system still has one.
static bool WinHelpViewerThere() {
    wchar_t path[MAX_PATH + 16];
    const UINT length = GetWindowsDirectoryW(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    lstrcatW(path, L"\\winhlp32.exe");
    return FileExists(path);
}

static void SayHelpNotShown(const char *problem) {
    const std::wstring text = L" " + std::wstring(htmlHelpPath) + L"\n " + Wide(problem) + L" ";
    ShowErrorMessage(text.c_str());
}

void ShowHelp(HWND owner) {
    switch (ChooseHelpViewer(FileExists(helpPath), WinHelpViewerThere(), FileExists(htmlHelpPath))) {
    case HelpViewer::WinHelp: WinHelpW(owner, helpPath, HELP_FINDER, 0); return;
    case HelpViewer::HtmlHelp:
        if (!OpenHtmlHelp(owner, htmlHelpPath)) SayHelpNotShown("このヘルプファイルを開けません.");
        return;
    case HelpViewer::None: SayHelpNotShown("ヘルプファイルが見つかりません."); return;
    }
}
