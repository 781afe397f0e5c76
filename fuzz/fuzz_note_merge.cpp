// Any notes file as theirs, and any as the base, merged with a fixed table of ours: every record
// of ours is kept, followed or gone exactly once, pinned ones are kept, and the merge says rightly
// whether its table is theirs.
//
// Input: one byte of flags (bits 0-3 pin ours, bit 4 makes the base ours, bit 5 reads short
// records), two bytes that split the rest between base and theirs, then their bytes.
#include "store/note_merge.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

constexpr size_t kShortRecord = 6;

// Six bytes over a fixed record, in few values each, so that equal notes, equal creation times
// and notes equal but for their handles are common.
static NoteRecord ShortRecord(const uint8_t *bytes) {
    NoteRecord r;
    std::memset(&r, 0, sizeof r);
    r.text[0] = static_cast<char>('a' + (bytes[0] & 3));
    r.created.second = bytes[1] & 3;
    r.x = bytes[2] & 1;
    r.window = bytes[3];
    r.fontDialog.lpLogFont = bytes[4];
    r.fontDialog.lpszStyle = bytes[5];
    return r;
}

static std::vector<NoteRecord> Records(const uint8_t *bytes, size_t size, bool shortRecords) {
    if (!shortRecords) return ReadNoteRecords(bytes, size);
    std::vector<NoteRecord> records;
    for (size_t at = 0; at + kShortRecord <= size; at += kShortRecord)
        records.push_back(ShortRecord(bytes + at));
    return records;
}

static std::vector<NoteRecord> Ours() {
    const uint8_t table[][kShortRecord] = {
        {0, 0, 0, 1, 1, 1}, {1, 1, 0, 2, 2, 2}, {0, 0, 0, 3, 3, 3}, {2, 1, 1, 4, 4, 4}};
    std::vector<NoteRecord> ours;
    for (const uint8_t *bytes : table)
        ours.push_back(ShortRecord(bytes));
    ours.push_back(NoteRecord{}); // an all-zero record, as a raw file of zeros holds
    return ours;
}

static void Check(const NotesMerge &merge, const std::vector<NoteRecord> &base,
                  const std::vector<NoteRecord> &theirs, const std::vector<NoteRecord> &ours,
                  const std::vector<bool> &pinned) {
    std::vector<int> oursSeen(ours.size()), theirsSeen(theirs.size());
    for (const MergedRecord &r : merge.records) {
        if (r.index < 0 || static_cast<size_t>(r.index) >= (r.ours ? ours.size() : theirs.size()))
            std::abort();
        ++(r.ours ? oursSeen : theirsSeen)[r.index];
        if (r.follows < 0) continue;
        if (r.ours || static_cast<size_t>(r.follows) >= ours.size()) std::abort();
        if (std::memcmp(&ours[r.follows].created, &theirs[r.index].created, sizeof(CreationTime)))
            std::abort();
        ++oursSeen[r.follows];
    }
    for (int index : merge.gone) {
        if (index < 0 || static_cast<size_t>(index) >= ours.size()) std::abort();
        ++oursSeen[index];
    }
    for (size_t j = 0; j < ours.size(); ++j)
        if (oursSeen[j] != 1) std::abort();
    for (int seen : theirsSeen)
        if (seen > 1) std::abort();
    for (const MergedRecord &r : merge.records)
        if (r.ours && r.follows >= 0) std::abort();
    for (size_t j = 0; j < ours.size(); ++j) {
        bool kept = false;
        for (const MergedRecord &r : merge.records)
            kept |= r.ours && r.index == static_cast<int>(j);
        if (pinned[j] && !kept) std::abort();
    }
    const std::vector<NoteRecord> table = MergedTable(merge, theirs, ours);
    if (merge.differsFromTheirs == SameNotes(table, theirs)) std::abort();
    // Nothing changed there: ours as it is. Nothing here and nothing pinned: theirs as it is.
    if (SameNotes(theirs, base) && !SameNotes(table, ours)) std::abort();
    const bool anyPinned = std::find(pinned.begin(), pinned.end(), true) != pinned.end();
    if (SameNotes(ours, base) && !anyPinned && merge.differsFromTheirs) std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 3) return 0;
    const uint8_t flags = data[0];
    const size_t rest = size - 3, split = std::min<size_t>(rest, data[1] | data[2] << 8);
    const bool shortRecords = flags & 0x20;
    const std::vector<NoteRecord> ours = Ours();
    std::vector<bool> pinned(ours.size());
    for (size_t j = 0; j < 4; ++j)
        pinned[j] = (flags >> j & 1) != 0;
    // Copies of exactly their length, so that a read past either end trips the sanitizer.
    const std::vector<uint8_t> baseBytes(data + 3, data + 3 + split),
        theirBytes(data + 3 + split, data + size);
    const std::vector<NoteRecord> base =
        flags & 0x10 ? ours : Records(baseBytes.data(), baseBytes.size(), shortRecords);
    const std::vector<NoteRecord> theirs = Records(theirBytes.data(), theirBytes.size(), shortRecords);
    Check(MergeNotes(base, theirs, ours, pinned), base, theirs, ours, pinned);
    return 0;
}
