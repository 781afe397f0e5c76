#include "platform/file_error_message.h"

#include "platform/program.h"

#include <string>

// The platform's text for an error code, on one line; the code itself when it has none.
static std::string ErrorText(DWORD error) {
    char text[512] = "";
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        error, 0, text, sizeof text, nullptr);
    std::string reason(text, length);
    while (!reason.empty() && (reason.back() == '\r' || reason.back() == '\n' || reason.back() == ' '))
        reason.pop_back();
    char code[32];
    wsprintfA(code, "(%lu)", error);
    return reason + code;
}

void ShowFileErrorMessage(const char *path, const char *problem, DWORD error, const char *consequence) {
    const std::string text =
        std::string(" ") + path + "\n " + problem + " \n " + ErrorText(error) + " \n " + consequence + " ";
    ShowErrorMessage(text.c_str());
}
