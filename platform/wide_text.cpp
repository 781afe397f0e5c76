#include "platform/wide_text.h"

#include "platform/shift_jis.h"

#include <cstring>

constexpr UINT kShiftJis = 932;

std::wstring Wide(const char *text, size_t length) {
    if (length == 0) return std::wstring();
    const int size = static_cast<int>(length);
    std::wstring wide(MultiByteToWideChar(kShiftJis, 0, text, size, nullptr, 0), L'\0');
    if (!wide.empty()) MultiByteToWideChar(kShiftJis, 0, text, size, &wide[0], static_cast<int>(wide.size()));
    return wide;
}

size_t WideLength(const char *text, size_t length) {
    if (length == 0) return 0;
    return static_cast<size_t>(MultiByteToWideChar(kShiftJis, 0, text, static_cast<int>(length), nullptr, 0));
}

std::wstring Wide(const char *text) {
    return Wide(text, std::char_traits<char>::length(text));
}

std::wstring Wide(const std::string &text) {
    return Wide(text.data(), text.size());
}

std::string Narrow(const std::wstring &text) {
    return Narrow(text.data(), text.size());
}

std::string Narrow(const wchar_t *text, size_t length) {
    if (length == 0) return std::string();
    const int size = static_cast<int>(length);
    std::string narrow(WideCharToMultiByte(kShiftJis, 0, text, size, nullptr, 0, nullptr, nullptr), '\0');
    if (!narrow.empty())
        WideCharToMultiByte(kShiftJis, 0, text, size, &narrow[0], static_cast<int>(narrow.size()), nullptr,
                            nullptr);
    return narrow;
}

std::string Narrow(const wchar_t *text) {
    return Narrow(text, std::char_traits<wchar_t>::length(text));
}

std::string WindowText(HWND window) {
    std::wstring text(GetWindowTextLengthW(window) + 1, L'\0');
    const int length = GetWindowTextW(window, &text[0], static_cast<int>(text.size()));
    return Narrow(text.c_str(), length > 0 ? static_cast<size_t>(length) : 0);
}

void SetWindowText932(HWND window, const char *text) {
    SetWindowTextW(window, Wide(text).c_str());
}

std::string ControlText932(HWND dialog, int id) {
    return WindowText(GetDlgItem(dialog, id));
}

void SetControlText932(HWND dialog, int id, const char *text) {
    SetDlgItemTextW(dialog, id, Wide(text).c_str());
}

int MessageBox932(HWND owner, const char *text, const char *caption, UINT flags) {
    return MessageBoxW(owner, Wide(text).c_str(), Wide(caption).c_str(), flags);
}

LOGFONTW WideLogFont(const LOGFONTA &font) {
    LOGFONTW wide = {};
    std::memcpy(&wide, &font, offsetof(LOGFONTA, lfFaceName));
    const size_t length = strnlen(font.lfFaceName, LF_FACESIZE - 1);
    MultiByteToWideChar(kShiftJis, 0, font.lfFaceName, static_cast<int>(length), wide.lfFaceName,
                        LF_FACESIZE - 1);
    return wide;
}

void TakeWideLogFont(const LOGFONTW &wide, LOGFONTA &font) {
    std::memcpy(&font, &wide, offsetof(LOGFONTA, lfFaceName));
    char face[LF_FACESIZE * 2] = "";
    const int length =
        WideCharToMultiByte(kShiftJis, 0, wide.lfFaceName, -1, face, sizeof face, nullptr, nullptr);
    // A name longer than the field is cut on a character boundary, always ending in its NUL.
    const std::string name(face, length > 0 ? strnlen(face, sizeof face) : 0);
    const size_t kept = WholeCharactersWithin(name.data(), name.size(), LF_FACESIZE - 1);
    std::memcpy(font.lfFaceName, name.data(), kept);
    font.lfFaceName[kept] = '\0';
    font.lfFaceName[LF_FACESIZE - 1] = '\0';
}
