#include "platform/file_error_message.h"

#include "platform/program.h"
#include "platform/wide_text.h"

#include <string>

// The platform's text for an error code, on one line; the code itself when it has none.
static std::wstring ErrorText(DWORD error) {
    wchar_t text[512] = L"";
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        error, 0, text, sizeof text / sizeof *text, nullptr);
    std::wstring reason(text, length);
    while (!reason.empty() && (reason.back() == L'\r' || reason.back() == L'\n' || reason.back() == L' '))
        reason.pop_back();
    return reason + L"(" + std::to_wstring(error) + L")";
}

void ShowFileErrorMessage(const wchar_t *path, const char *problem, DWORD error, const char *consequence) {
    const std::wstring text = L" " + std::wstring(path) + L"\n " + Wide(problem) + L" \n " +
                              ErrorText(error) + L" \n " + Wide(consequence) + L" ";
    ShowErrorMessage(text.c_str());
}
