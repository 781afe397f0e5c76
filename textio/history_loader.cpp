#include "textio/history_loader.h"

#include <cstring>

constexpr DWORD kViewChunk = 1 << 20;

// The chunk rounded up to the platform's view alignment (64 KB everywhere we run).
static DWORD ViewChunk() {
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    const DWORD granularity = system.dwAllocationGranularity ? system.dwAllocationGranularity : 65536;
    return (kViewChunk + granularity - 1) / granularity * granularity;
}

// Maps one view after another until the scan has its 100 entries or reached the start.
static LogLoadResult ScanMapping(HANDLE mapping, uint64_t size, HistoryEntries &entries) {
    const DWORD chunk = ViewChunk();
    HistoryScan scan;
    BeginHistoryScan(scan, entries.slots, size);
    while (!HistoryScanDone(scan)) {
        const HistoryView view = NextHistoryView(scan, chunk);
        const void *bytes = MapViewOfFile(mapping, FILE_MAP_READ, static_cast<DWORD>(view.offset >> 32),
                                          static_cast<DWORD>(view.offset), static_cast<SIZE_T>(view.size));
        if (!bytes) return LogLoadResult{LogLoadStep::MapView, GetLastError()};
        ScanHistoryView(scan, entries.slots, static_cast<const unsigned char *>(bytes), view);
        UnmapViewOfFile(bytes);
    }
    entries.count = scan.count;
    return LogLoadResult{LogLoadStep::Done, 0};
}

static LogLoadResult ScanFile(HANDLE file, HistoryEntries &entries) {
    LARGE_INTEGER size = {};
    GetFileSizeEx(file, &size);
    // A log of length 0 cannot be mapped; the platform refuses it here.
    HANDLE mapping = CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (!mapping) return LogLoadResult{LogLoadStep::CreateMapping, GetLastError()};
    const LogLoadResult result = ScanMapping(mapping, static_cast<uint64_t>(size.QuadPart), entries);
    CloseHandle(mapping);
    return result;
}

LogLoadResult LoadHistoryLog(const wchar_t *path, HistoryEntries &entries) {
    std::memset(&entries, 0, sizeof entries);
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return LogLoadResult{LogLoadStep::OpenFile, GetLastError()};
    const LogLoadResult result = ScanFile(file, entries);
    CloseHandle(file);
    if (result.failedStep != LogLoadStep::Done) std::memset(&entries, 0, sizeof entries);
    return result;
}
