#include "textio/history_entries.h"

#include "textio/log_format.h"

#include <algorithm>
#include <cstring>

// The farthest an entry starting at offset p reaches into its slot: p + 33 + 1039.
constexpr uint64_t kViewOverlap = kLogHeaderSize + kHistorySlotTextMax;

void BeginHistoryScan(HistoryScan &scan, HistorySlot *slots, uint64_t logSize) {
    std::memset(slots, 0, sizeof(HistorySlot) * kHistorySlots);
    scan = HistoryScan{logSize, logSize, logSize, 0};
}

bool HistoryScanDone(const HistoryScan &scan) {
    return scan.count >= kHistorySlots || scan.next == 0;
}

HistoryView NextHistoryView(const HistoryScan &scan, uint32_t chunk) {
    if (scan.next == 0 || chunk == 0) return HistoryView{0, 0};
    const uint64_t offset = (scan.next - 1) / chunk * chunk;
    const uint64_t end = std::min(scan.logSize, scan.next + kViewOverlap);
    return HistoryView{offset, end - offset};
}

// Copies the text of the entry at offset p, which ends at scan.entryEnd, into its slot.
static void CopyEntry(const HistoryScan &scan, HistorySlot &slot, const unsigned char *view,
                      const HistoryView &where, uint64_t p) {
    const uint64_t entrySize = scan.entryEnd - p;
    if (entrySize < static_cast<uint64_t>(kLogEntryOverhead)) return; // too short: shown empty
    const uint64_t textStart = p + kLogHeaderSize;
    const uint64_t viewEnd = where.offset + where.size;
    if (textStart >= viewEnd) return;
    const uint64_t length = std::min(
        {entrySize - kLogEntryOverhead, static_cast<uint64_t>(kHistorySlotTextMax), viewEnd - textStart});
    std::memcpy(slot, view + (textStart - where.offset), static_cast<size_t>(length));
}

void ScanHistoryView(HistoryScan &scan, HistorySlot *slots, const unsigned char *view,
                     const HistoryView &where) {
    uint64_t p = std::min(scan.next, where.offset + where.size);
    while (p > where.offset && scan.count < kHistorySlots) {
        --p;
        if (view[p - where.offset] != static_cast<unsigned char>(kEntryStart)) continue;
        CopyEntry(scan, slots[scan.count], view, where, p);
        ++scan.count;
        scan.entryEnd = p;
    }
    scan.next = std::min(scan.next, p);
}

int LoadHistoryEntries(const unsigned char *log, size_t size, HistorySlot *slots) {
    HistoryScan scan;
    BeginHistoryScan(scan, slots, size);
    ScanHistoryView(scan, slots, log, HistoryView{0, size});
    return scan.count;
}

void CopyEntryText(char (&out)[kHistoryTextSize], const HistorySlot &slot) {
    std::memset(out, 0, sizeof out);
    std::memcpy(out, slot, sizeof out - 1);
}
