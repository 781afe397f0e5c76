// Entry point: everything else lives in the library the tests link as well.
#include "app/program.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandTail, int) {
    return RunProgram(instance, commandTail);
}
