// Any history log, read view by view as the history dialog maps it, must give exactly what one
// scan of the whole log in one buffer gives, and nothing is read past a view or a slot.
#include "textio/history_entries.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

static HistorySlot whole[kHistorySlots], viewed[kHistorySlots];

// The views are copied into buffers of their exact size, so a read past one is caught.
static int ScanByViews(const uint8_t *log, size_t size, uint32_t chunk) {
    HistoryScan scan;
    BeginHistoryScan(scan, viewed, size);
    while (!HistoryScanDone(scan)) {
        const HistoryView view = NextHistoryView(scan, chunk);
        if (view.offset + view.size > size || view.size == 0) std::abort();
        const std::vector<unsigned char> bytes(log + view.offset, log + view.offset + view.size);
        ScanHistoryView(scan, viewed, bytes.data(), view);
    }
    return scan.count;
}

// The first two bytes choose the view size; the rest is the log.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 2) return 0;
    const uint32_t chunk = 1 + (data[0] | data[1] << 8) % 2048;
    const std::vector<unsigned char> log(data + 2, data + size);
    const int count = LoadHistoryEntries(log.data(), log.size(), whole);
    if (ScanByViews(log.data(), log.size(), chunk) != count) std::abort();
    if (std::memcmp(whole, viewed, sizeof whole) != 0) std::abort();
    for (int i = 0; i < count; ++i) {
        char text[kHistoryTextSize];
        CopyEntryText(text, whole[i]);
    }
    return 0;
}
