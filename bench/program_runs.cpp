// Figures of whole processes: copies of tavlo.exe and of the floor program in one folder, started
// the same way and watched from outside through the window list and the process counters.
#include "bench/bench.h"
#include "bench/bench_layout.h"

#include "platform/program.h"

#include <psapi.h>
#include <tlhelp32.h>

#include <cmath>
#include <cstdio>

constexpr int kStartUpRuns = 5;
// Wine reports CPU time in the kernel's 10 ms ticks, and a clock costs about ten of them a minute:
// two minutes hold each figure to a tick in twenty, and even out the machine's own unrest.
constexpr DWORD kClockSeconds = 120;
constexpr double kWindowTimeout = 30; // seconds; a start that takes longer is reported as failed

// A started copy; stopped and released when it goes out of scope.
class Process {
public:
    Process(const std::string &folder, const char *exe, const char *arguments) {
        std::string command = "\"" + folder + exe + "\" " + arguments;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                       &info_);
    }
    ~Process() {
        if (!info_.hProcess) return;
        TerminateProcess(info_.hProcess, 0);
        WaitForSingleObject(info_.hProcess, 10000);
        CloseHandle(info_.hProcess);
        CloseHandle(info_.hThread);
    }
    Process(const Process &) = delete;
    Process &operator=(const Process &) = delete;
    HANDLE Handle() const { return info_.hProcess; }
    DWORD Id() const { return info_.dwProcessId; }

private:
    PROCESS_INFORMATION info_{};
};

struct WindowCount {
    DWORD processId;
    const wchar_t *className;
    int visible;
};

static BOOL CALLBACK CountWindow(HWND window, LPARAM param) {
    auto *count = reinterpret_cast<WindowCount *>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    if (owner == count->processId && lstrcmpW(name, count->className) == 0 && IsWindowVisible(window))
        ++count->visible;
    return TRUE;
}

// Polls the window list until the process shows `wanted` windows of the class; returns the
// seconds since `start`, or NaN when they do not appear.
static double WaitForWindows(const Process &process, const wchar_t *className, int wanted, double start) {
    while (Now() - start < kWindowTimeout) {
        WindowCount count = {process.Id(), className, 0};
        EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&count));
        if (count.visible >= wanted) return Now() - start;
        Sleep(10);
    }
    return NAN;
}

static double Seconds(const FILETIME &t) {
    return static_cast<double>((static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
}

// User and kernel time of the process, summed over its threads: Wine reports another process's
// times only thread by thread, and on Windows the sum is the same.
static double CpuSeconds(const Process &process) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    double total = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != process.Id()) continue;
        HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, entry.th32ThreadID);
        FILETIME created, ended, kernel, user;
        if (thread && GetThreadTimes(thread, &created, &ended, &kernel, &user))
            total += Seconds(kernel) + Seconds(user);
        if (thread) CloseHandle(thread);
    }
    CloseHandle(snapshot);
    return total;
}

// The commit charge, which is the private bytes on Windows and what Wine fills in for them.
static double PrivateMiB(const Process &process) {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process.Handle(), &counters, sizeof counters)) return NAN;
    return static_cast<double>(counters.PagefileUsage) / (1 << 20);
}

static void WriteNotesFile(const std::string &path, const std::vector<std::string> &texts) {
    std::string bytes;
    for (size_t i = 0; i < texts.size(); ++i) {
        const NoteRecord record = BenchRecord(BenchNoteRect(static_cast<int>(i)), texts[i].c_str());
        bytes.append(reinterpret_cast<const char *>(&record), sizeof record);
    }
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

static void CopyPrograms(const std::string &folder) {
    for (const char *exe : {"tavlo.exe", "floor_program.exe"})
        CopyFileA((ProgramFolder() + exe).c_str(), (folder + exe).c_str(), FALSE);
}

struct StartUpRun {
    double seconds;
    double privateMiB;
};

// One start: the time until the windows are visible, then the private bytes once it is idle.
static StartUpRun StartOnce(const std::string &folder, const char *exe, const char *arguments,
                            const wchar_t *className) {
    const double start = Now();
    Process process(folder, exe, arguments);
    const double seconds = WaitForWindows(process, className, kBenchNotes, start);
    if (std::isnan(seconds)) return {NAN, NAN};
    WaitForInputIdle(process.Handle(), 10000);
    return {seconds, PrivateMiB(process)};
}

void MeasureStartUp(const std::string &folder, Figure &startUp, Figure &memory) {
    Progress("start-up and memory with 99 notes: tavlo.exe and the floor program, 5 starts each");
    CopyPrograms(folder);
    std::vector<std::string> texts;
    for (int i = 1; i <= kBenchNotes; ++i)
        texts.push_back("note " + std::to_string(i));
    std::vector<double> tavloTimes, floorTimes, tavloMemory, floorMemory;
    for (int run = 0; run < kStartUpRuns; ++run) {
        WriteNotesFile(folder + "tavlo.DAT", texts); // the same file at every start
        // /W: a copy of its own, whatever else runs in this Wine prefix.
        const StartUpRun tavlo = StartOnce(folder, "tavlo.exe", "/W", kWindowClassName);
        const StartUpRun floor = StartOnce(folder, "floor_program.exe", "", kFloorClassName);
        tavloTimes.push_back(tavlo.seconds);
        floorTimes.push_back(floor.seconds);
        tavloMemory.push_back(tavlo.privateMiB);
        floorMemory.push_back(floor.privateMiB);
    }
    startUp.tavlo = Median(tavloTimes);
    startUp.floor = Median(floorTimes);
    memory.tavlo = Median(tavloMemory);
    memory.floor = Median(floorMemory);
}

void MeasureClock(const std::string &folder, Figure &clock) {
    Progress("clock cost: tavlo.exe /TIMER and the floor program side by side for two minutes");
    WriteNotesFile(folder + "tavlo.DAT",
                   {"$$タヴロ$$DATE1$$", "$$タヴロ$$DATE2$$", "$$タヴロ$$DATE3$$", "plain"});
    const double start = Now();
    Process tavlo(folder, "tavlo.exe", "/TIMER /W");
    Process floor(folder, "floor_program.exe", "clock");
    if (std::isnan(WaitForWindows(tavlo, kWindowClassName, kClockNotes + 1, start)) ||
        std::isnan(WaitForWindows(floor, kFloorClassName, kClockNotes + 1, start)))
        return;
    Sleep(2000); // past start-up and the first paints
    const double tavloBefore = CpuSeconds(tavlo), floorBefore = CpuSeconds(floor), from = Now();
    Sleep(kClockSeconds * 1000);
    const double perMinute = 60 / (Now() - from);
    clock.tavlo = (CpuSeconds(tavlo) - tavloBefore) * perMinute;
    clock.floor = (CpuSeconds(floor) - floorBefore) * perMinute;
}
