// Reading the newest entries of the history log through read-only views of its tail.
#pragma once
#include <windows.h>

#include "textio/history_entries.h"

// The entries one opening of the history dialog shows.
struct HistoryEntries {
    HistorySlot slots[kHistorySlots]; // newest first; text and zero bytes
    int count;
};

// The step at which reading the log failed, with the platform's error code.
enum class LogLoadStep { Done, OpenFile, CreateMapping, MapView };
struct LogLoadResult {
    LogLoadStep failedStep;
    DWORD error;
};

// Fills the entries with the newest 100 entries of the log. The log is opened read-only,
// sharing reads, and never mapped whole: views of about a megabyte are mapped from its end
// towards its start until 100 entries are found, so a log of any size opens. On failure no
// entry is loaded.
LogLoadResult LoadHistoryLog(const wchar_t *path, HistoryEntries &entries);
