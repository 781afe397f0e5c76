#include <windows.h>

#include <cstdio>
#include <gtest/gtest.h>

// A crash ends the test run at once with a message, instead of waiting in the platform's
// debugger until the run's time-out.
static LONG WINAPI ReportCrash(EXCEPTION_POINTERS *info) {
    std::fprintf(stderr, "crash: exception %08lx at %p\n", info->ExceptionRecord->ExceptionCode,
                 info->ExceptionRecord->ExceptionAddress);
    std::fflush(stderr);
    ExitProcess(3);
}

int main(int argc, char **argv) {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter(ReportCrash);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
