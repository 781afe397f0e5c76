// Finding the newest entries of the history log by scanning its bytes backwards for form feeds.
// The log may be far larger than what a 32-bit process can map at once, so the scan runs over
// a series of views, from the end of the log towards its start, carrying its state from one view
// to the next; the result is the same as one scan over the whole log.
#pragma once
#include <cstddef>
#include <cstdint>

constexpr int kHistorySlots = 100;
constexpr int kHistorySlotSize = 1040;
constexpr int kHistorySlotTextMax = kHistorySlotSize - 1; // a slot always ends in a NUL
constexpr int kHistoryTextSize = 1024;                    // what a chosen entry hands back

using HistorySlot = char[kHistorySlotSize];

// Where a backward scan stands.
struct HistoryScan {
    uint64_t logSize;
    uint64_t next;     // offsets below this one are still to be examined
    uint64_t entryEnd; // where the entry whose form feed is met next ends
    int count;         // entries found so far, newest first
};

// One view of the log to map: the bytes [offset, offset + size).
struct HistoryView {
    uint64_t offset;
    uint64_t size;
};

// Starts a scan of a log of this size: every slot zeroed, nothing found yet.
void BeginHistoryScan(HistoryScan &scan, HistorySlot *slots, uint64_t logSize);

// True once 100 entries were found or every byte was examined.
bool HistoryScanDone(const HistoryScan &scan);

// The view the scan needs next: the chunk of offsets just below scan.next, starting at a multiple
// of chunk (which must be a multiple of the platform's view alignment), plus the bytes above it
// that an entry starting in the chunk can copy into its slot.
HistoryView NextHistoryView(const HistoryScan &scan, uint32_t chunk);

// Examines the offsets of the view below scan.next, newest first. Each form feed at offset p
// starts an entry whose text is the bytes from p + 33 up to the closing line feed before the
// entry that follows it; that text goes into the next slot, cut at the slot's 1039 bytes, and
// an entry shorter than its header and line feed leaves its slot empty. Nothing outside the
// view is read.
void ScanHistoryView(HistoryScan &scan, HistorySlot *slots, const unsigned char *view,
                     const HistoryView &where);

// The whole log held in one buffer: fills the slots and returns the number of entries found.
int LoadHistoryEntries(const unsigned char *log, size_t size, HistorySlot *slots);

// Hands an entry back as a note text: its first 1023 bytes and a NUL.
void CopyEntryText(char (&out)[kHistoryTextSize], const HistorySlot &slot);
