#include "app/single_instance.h"

#include "app/program.h"

static const char kInstanceName[] = "$$" PROGRAM_NAME "$$";

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

HANDLE AcquireSingleInstance(bool perPath) {
    char name[sizeof kInstanceName + MAX_PATH];
    char modulePath[MAX_PATH + 1] = "";
    if (perPath) GetModuleFileNameA(nullptr, modulePath, MAX_PATH);
    wsprintfA(name, "%s%s", kInstanceName, modulePath);
    ReplaceBackslashes(name);

    HANDLE object = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 512, name);
    if (object && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(object);
        ShowErrorMessage(" \"" PROGRAM_NAME "\" は既に起動しています!! ");
        return nullptr;
    }
    if (!object) ShowErrorMessage(" 予期せぬエラーが発生しました!! ");
    return object;
}
