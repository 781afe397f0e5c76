// Any history log: entries are found without reading past the log or a slot.
#include "textio/history_entries.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::vector<unsigned char> log(data, data + size); // exactly sized, so overreads are caught
    static HistorySlot slots[kHistorySlots];
    const int count = LoadHistoryEntries(log.data(), log.size(), slots);
    for (int i = 0; i < count; ++i) {
        char text[kHistoryTextSize];
        CopyEntryText(text, slots[i]);
    }
    return 0;
}
