#include "app/single_instance.h"

#include "platform/program.h"
#include "platform/wide_text.h"

#include <algorithm>

constexpr DWORD kLongestPath = 32768;

// A step that fails keeps the path it was given.
template <typename Step> static std::wstring PathAfter(const std::wstring &path, Step step) {
    std::wstring out(kLongestPath, L'\0');
    const DWORD length = step(path.c_str(), &out[0], kLongestPath);
    if (length == 0 || length >= kLongestPath) return path;
    out.resize(length);
    return out;
}

// One spelling per file: the full path with long names, in upper case.
static std::wstring NormalisedPath(const wchar_t *path) {
    std::wstring normal = PathAfter(path, [](const wchar_t *p, wchar_t *out, DWORD size) {
        return GetFullPathNameW(p, size, out, nullptr);
    });
    normal = PathAfter(normal, GetLongPathNameW);
    if (!normal.empty()) CharUpperBuffW(&normal[0], static_cast<DWORD>(normal.size()));
    return normal;
}

// Object names may not hold a backslash; a module path never holds "/", so this stays one-to-one.
std::wstring SingleInstanceName(const wchar_t *executablePath) {
    std::wstring name = Wide("$$" PROGRAM_NAME "$$");
    if (executablePath) name += NormalisedPath(executablePath);
    std::replace(name.begin(), name.end(), L'\\', L'/');
    return name;
}

HANDLE AcquireSingleInstance(bool perPath) {
    wchar_t modulePath[kLongestPath] = L"";
    if (perPath) GetModuleFileNameW(nullptr, modulePath, kLongestPath);
    const std::wstring name = SingleInstanceName(perPath ? modulePath : nullptr);
    HANDLE object = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 512, name.c_str());
    if (object && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(object);
        ShowErrorMessage(" \"" PROGRAM_NAME "\" は既に起動しています!! ");
        return nullptr;
    }
    if (!object) ShowErrorMessage(" 予期せぬエラーが発生しました!! ");
    return object;
}
