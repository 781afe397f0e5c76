// Entry point: everything else lives in the library the tests link as well.
#include "app/startup.h"
#include "platform/system_dlls.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandTail, int) {
    LimitDllSearchToSystem();
    return RunProgram(instance, commandTail);
}
