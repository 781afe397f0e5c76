#include "app/single_instance.h"

#include "platform/file_util.h"
#include "platform/program.h"
#include "platform/wide_text.h"

#include <algorithm>

// One spelling per file: the full path with long names, in upper case.
static std::wstring NormalisedPath(const wchar_t *path) {
    std::wstring normal = LongPathOf(FullPathOf(path));
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
    std::wstring modulePath(kLongestPath, L'\0');
    if (perPath) GetModuleFileNameW(nullptr, &modulePath[0], kLongestPath);
    const std::wstring name = SingleInstanceName(perPath ? modulePath.c_str() : nullptr);
    HANDLE object = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 512, name.c_str());
    if (object && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(object);
        ShowErrorMessage(" \"" PROGRAM_NAME "\" は既に起動しています!! ");
        return nullptr;
    }
    if (!object) ShowErrorMessage(" 予期せぬエラーが発生しました!! ");
    return object;
}
