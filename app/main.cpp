// Entry point: everything else lives in the library the tests link as well.
#include "app/startup.h"
#include "platform/system_dlls.h"
#include "platform/wide_text.h"

#include <string>

// The switches are ASCII; the tail is taken as Shift-JIS like every other text.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR commandTail, int) {
    LimitDllSearchToSystem();
    std::string tail = Narrow(commandTail);
    return RunProgram(instance, &tail[0]);
}
