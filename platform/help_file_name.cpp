#include "platform/help_file_name.h"

#include <cwchar>

// Appends at most what still fits, always leaving the result terminated.
static size_t AppendCut(wchar_t *out, size_t used, size_t outSize, const wchar_t *text, size_t length) {
    const size_t take = length < outSize - 1 - used ? length : outSize - 1 - used;
    std::wmemcpy(out + used, text, take);
    out[used + take] = L'\0';
    return used + take;
}

void DeriveHelpFileName(const wchar_t *modulePath, wchar_t *out, size_t outSize) {
    if (outSize == 0) return;
    const wchar_t *dot = std::wcsrchr(modulePath, L'.');
    const size_t stem = dot ? static_cast<size_t>(dot - modulePath) : std::wcslen(modulePath);
    const size_t used = AppendCut(out, 0, outSize, modulePath, stem);
    if (dot) AppendCut(out, used, outSize, L".HLP", 4);
}

HelpViewer ChooseHelpViewer(bool winHelpFileThere, bool winHelpViewerThere, bool htmlHelpFileThere) {
    if (winHelpFileThere && winHelpViewerThere) return HelpViewer::WinHelp;
    return htmlHelpFileThere ? HelpViewer::HtmlHelp : HelpViewer::None;
}
