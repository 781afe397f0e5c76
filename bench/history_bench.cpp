// The history loader finding the newest 100 entries at the end of a 1 GB log, against the floor:
// opening the same log and reading its last megabyte, the view the loader scans first.
#include "bench/bench.h"

#include "platform/wide_text.h"
#include "textio/history_loader.h"

#include <winioctl.h>

#include <algorithm>
#include <memory>
#include <string>

constexpr int kHistoryRuns = 21;
constexpr uint64_t kLogSize = uint64_t{1} << 30;
constexpr DWORD kTailSize = 1 << 20;

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
static bool MakeLog(const std::string &path, uint64_t size, const std::string &tail) {
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD returned = 0;
    DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);
    LARGE_INTEGER start;
    start.QuadPart = static_cast<LONGLONG>(size - tail.size());
    const bool ok =
        SetFilePointerEx(file, start, nullptr, FILE_BEGIN) && SetEndOfFile(file) && WriteAll(file, tail);
    CloseHandle(file);
    return ok;
}

// The floor: one read of the log's last megabyte.
static void ReadTail(const std::string &path, std::string &buffer) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    LARGE_INTEGER back;
    back.QuadPart = -static_cast<LONGLONG>(kTailSize);
    SetFilePointerEx(file, back, nullptr, FILE_END);
    DWORD read = 0;
    ReadFile(file, &buffer[0], kTailSize, &read, nullptr);
    CloseHandle(file);
}

void MeasureHistory(const std::string &folder, Figure &history) {
    Progress("history: the newest 100 of 300 entries at the end of a 1 GB log, 21 loads");
    const std::string path = folder + "tavlo.LOG";
    if (!MakeLog(path, kLogSize, Entries(300, 200))) return;
    std::string buffer(kTailSize, '\0');
    std::vector<double> tavloTimes, floorTimes;
    bool loaded = true;
    const auto entries = std::make_unique<HistoryEntries>();
    for (int run = 0; run < kHistoryRuns; ++run) {
        double start = Now();
        const LogLoadResult result = LoadHistoryLog(Wide(path).c_str(), *entries);
        tavloTimes.push_back((Now() - start) * 1000);
        loaded = loaded && result.failedStep == LogLoadStep::Done && entries->count == kHistorySlots;
        start = Now();
        ReadTail(path, buffer);
        floorTimes.push_back((Now() - start) * 1000);
    }
    DeleteFileA(path.c_str());
    if (loaded) history.tavlo = Median(tavloTimes);
    history.floor = Median(floorTimes);
}
