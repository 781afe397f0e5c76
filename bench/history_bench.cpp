// Times the history loader on logs of 1 KB, 10 MB and 1 GB: how long finding the newest 100
// entries takes when the log is large. Run by hand; prints one line per log.
#include "textio/history_loader.h"

#include <windows.h>
#include <winioctl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

static const char kHeader[] = "\f----- 2026/03/14 09:26.53 -----\n";

// `count` entries of about `textSize` bytes each, oldest first.
static std::string Entries(int count, size_t textSize) {
    std::string bytes;
    for (int i = 1; i <= count; ++i) {
        std::string text = "entry " + std::to_string(i) + " ";
        text.resize(std::max(text.size(), textSize), 'x');
        bytes += kHeader + text + "\n";
    }
    return bytes;
}

static bool WriteAll(HANDLE file, const std::string &bytes) {
    DWORD written = 0;
    return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

// A log of exactly `size` bytes whose last bytes are `tail`. The part before the tail is left
// unwritten (a sparse file where the platform has them), so it reads as zero bytes.
static bool MakeLog(const std::string &path, uint64_t size, const std::string &tail, bool *sparse) {
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD returned = 0;
    *sparse = DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr) != 0;
    LARGE_INTEGER start;
    start.QuadPart = static_cast<LONGLONG>(size - tail.size());
    const bool ok =
        SetFilePointerEx(file, start, nullptr, FILE_BEGIN) && SetEndOfFile(file) && WriteAll(file, tail);
    CloseHandle(file);
    return ok;
}

static double Milliseconds(const LARGE_INTEGER &from, const LARGE_INTEGER &to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// Loads the log several times; prints the first (cold) time and the median of the rest.
static void Measure(const char *name, const std::string &path, bool sparse) {
    constexpr int kRuns = 7;
    std::vector<double> times;
    LogLoadResult result{};
    for (int run = 0; run < kRuns; ++run) {
        LARGE_INTEGER before, after;
        QueryPerformanceCounter(&before);
        result = LoadHistoryLog(path.c_str());
        QueryPerformanceCounter(&after);
        times.push_back(Milliseconds(before, after));
    }
    const double first = times.front();
    std::sort(times.begin() + 1, times.end());
    std::printf("%-34s %s entries %3d  newest \"%.12s\"  first %9.3f ms  median %9.3f ms\n", name,
                sparse ? "sparse" : "      ", historyEntryCount, historyEntries[0], first, times[kRuns / 2]);
    if (result.failedStep != LogLoadStep::Done)
        std::printf("  failed at step %d, error %lu\n", static_cast<int>(result.failedStep), result.error);
}

struct LogCase {
    const char *name;
    uint64_t size;
    std::string tail; // the newest entries, at the end of the log
};

int main() {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const std::string path = std::string(temp) + "tavlo-history-bench.log";
    const uint64_t kMB = 1 << 20;
    const std::string full10MB = Entries(10240, 1000); // about 10 MB of 1 KB entries
    const LogCase cases[] = {
        {"1 KB, 20 entries", 1024, Entries(20, 10)},
        {"10 MB, ~10,000 entries of 1 KB", full10MB.size(), full10MB},
        {"1 GB, 300 entries at the end", 1024 * kMB, Entries(300, 200)},
        {"1 GB, 50 entries (whole log read)", 1024 * kMB, Entries(50, 200)},
    };
    for (const LogCase &c : cases) {
        std::string tail = c.tail;
        if (tail.size() > c.size) tail.erase(0, tail.size() - c.size);
        bool sparse = false;
        if (!MakeLog(path, c.size, tail, &sparse)) {
            std::printf("%-34s could not be created (error %lu)\n", c.name, GetLastError());
            continue;
        }
        Measure(c.name, path, sparse);
    }
    DeleteFileA(path.c_str());
    return 0;
}
