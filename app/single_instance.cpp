#include "app/single_instance.h"

#include "platform/program.h"

static const char kInstanceName[] = "$$" PROGRAM_NAME "$$";
static_assert(sizeof kInstanceName <= kInstanceNameSize - MAX_PATH, "room for the path");

// Object names may not hold a backslash; a module path never holds "/", so this stays one-to-one.
// Trail bytes of double-byte characters (表 is 95 5C) are left alone.
static void ReplaceBackslashes(char *name) {
    for (char *p = name; *p; ++p) {
        if (IsDBCSLeadByte(static_cast<BYTE>(*p)) && p[1])
            ++p;
        else if (*p == '\\')
            *p = '/';
    }
}

// One spelling per file: the full path with long names, in upper case by the code page's own
// rules, which leave double-byte characters whole. A step that fails keeps the path it was given.
static void NormalisePath(const char *path, char (&out)[MAX_PATH + 1]) {
    char full[MAX_PATH + 1];
    const DWORD fullLength = GetFullPathNameA(path, sizeof full, full, nullptr);
    if (fullLength == 0 || fullLength >= sizeof full) lstrcpynA(full, path, sizeof full);
    const DWORD longLength = GetLongPathNameA(full, out, sizeof out);
    if (longLength == 0 || longLength >= sizeof out) lstrcpynA(out, full, sizeof out);
    CharUpperBuffA(out, lstrlenA(out));
}

void SingleInstanceName(const char *executablePath, char (&name)[kInstanceNameSize]) {
    char path[MAX_PATH + 1] = "";
    if (executablePath) NormalisePath(executablePath, path);
    wsprintfA(name, "%s%s", kInstanceName, path);
    ReplaceBackslashes(name);
}

HANDLE AcquireSingleInstance(bool perPath) {
    char modulePath[MAX_PATH + 1] = "";
    if (perPath) GetModuleFileNameA(nullptr, modulePath, MAX_PATH);
    char name[kInstanceNameSize];
    SingleInstanceName(perPath ? modulePath : nullptr, name);

    HANDLE object = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 512, name);
    if (object && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(object);
        ShowErrorMessage(" \"" PROGRAM_NAME "\" は既に起動しています!! ");
        return nullptr;
    }
    if (!object) ShowErrorMessage(" 予期せぬエラーが発生しました!! ");
    return object;
}
