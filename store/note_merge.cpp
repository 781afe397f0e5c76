#include "store/note_merge.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <unordered_map>

NoteRecord IdentityOf(const NoteRecord &record) {
    NoteRecord id = record;
    id.window = 0;
    FontDialogBytes &d = id.fontDialog;
    d.hwndOwner = d.hDC = d.lpLogFont = d.lpfnHook = d.lpTemplateName = d.hInstance = d.lpszStyle = 0;
    return id;
}

bool SameNote(const NoteRecord &a, const NoteRecord &b) {
    const NoteRecord idA = IdentityOf(a), idB = IdentityOf(b);
    return std::memcmp(&idA, &idB, sizeof idA) == 0;
}

bool SameNotes(const std::vector<NoteRecord> &a, const std::vector<NoteRecord> &b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), SameNote);
}

std::vector<NoteRecord> ReadNoteRecords(const void *bytes, size_t size) {
    std::vector<NoteRecord> records(size / sizeof(NoteRecord));
    if (!records.empty()) std::memcpy(records.data(), bytes, records.size() * sizeof(NoteRecord));
    return records;
}

// Every record of the three tables as a number that is equal exactly for the same note, so that
// the merge compares and counts numbers.
struct NoteClasses {
    std::vector<int> base, theirs, ours;
    int count;
};

static NoteClasses ClassesOf(const std::vector<NoteRecord> &base, const std::vector<NoteRecord> &theirs,
                             const std::vector<NoteRecord> &ours) {
    std::unordered_map<std::string, int> ids;
    const auto classify = [&ids](const std::vector<NoteRecord> &records) {
        std::vector<int> out;
        for (const NoteRecord &record : records) {
            const NoteRecord id = IdentityOf(record);
            const std::string key(reinterpret_cast<const char *>(&id), sizeof id);
            out.push_back(ids.emplace(key, static_cast<int>(ids.size())).first->second);
        }
        return out;
    };
    NoteClasses c;
    c.base = classify(base);
    c.theirs = classify(theirs);
    c.ours = classify(ours);
    c.count = static_cast<int>(ids.size());
    return c;
}

static std::vector<int> CountsOf(const std::vector<int> &classes, int count) {
    std::vector<int> counts(count);
    for (int c : classes)
        ++counts[c];
    return counts;
}

static bool Pinned(const std::vector<bool> &pinned, size_t index) {
    return index < pinned.size() && pinned[index];
}

// Unchanged here: theirs in their order. A record of theirs that one of ours equals keeps that
// one's window: pinned ones are matched first (so they are not kept twice), then in our order.
// Pinned records of ours that theirs lacks stay, after theirs. Returns which of ours are kept.
static std::vector<bool> TakeTheirs(const NoteClasses &c, const std::vector<bool> &pinned,
                                    std::vector<MergedRecord> &out) {
    std::vector<bool> kept(c.ours.size());
    const auto match = [&](int cls, bool pinnedOnly) {
        for (size_t j = 0; j < c.ours.size(); ++j)
            if (!kept[j] && c.ours[j] == cls && (!pinnedOnly || Pinned(pinned, j)))
                return static_cast<int>(j);
        return -1;
    };
    for (size_t t = 0; t < c.theirs.size(); ++t) {
        int j = match(c.theirs[t], true);
        if (j < 0) j = match(c.theirs[t], false);
        if (j >= 0) kept[j] = true;
        out.push_back(j >= 0 ? MergedRecord{true, j, -1} : MergedRecord{false, static_cast<int>(t), -1});
    }
    for (size_t j = 0; j < c.ours.size(); ++j) {
        if (kept[j] || !Pinned(pinned, j)) continue;
        kept[j] = true;
        out.push_back({true, static_cast<int>(j), -1});
    }
    return kept;
}

// Changed here: ours less what they removed, then what they added. Of equal records of ours,
// unpinned ones go (from the end); of theirs, the last ones are the new ones, as new notes are
// appended. One that ours added alike is not added again.
static std::vector<bool> MergeBoth(const NoteClasses &c, const std::vector<bool> &pinned,
                                   std::vector<MergedRecord> &out) {
    const std::vector<int> inBase = CountsOf(c.base, c.count), inTheirs = CountsOf(c.theirs, c.count),
                           inOurs = CountsOf(c.ours, c.count);
    std::vector<int> removed(c.count), added(c.count);
    for (int k = 0; k < c.count; ++k) {
        removed[k] = std::max(0, inBase[k] - inTheirs[k]);
        const int addedThere = std::max(0, inTheirs[k] - inBase[k]),
                  addedHere = std::max(0, inOurs[k] - inBase[k]);
        added[k] = addedThere - std::min(addedThere, addedHere);
    }
    std::vector<bool> kept(c.ours.size(), true), taken(c.theirs.size());
    for (size_t j = c.ours.size(); j-- > 0;) {
        if (removed[c.ours[j]] > 0 && !Pinned(pinned, j)) {
            kept[j] = false;
            --removed[c.ours[j]];
        }
    }
    for (size_t t = c.theirs.size(); t-- > 0;) {
        if (added[c.theirs[t]] > 0) {
            taken[t] = true;
            --added[c.theirs[t]];
        }
    }
    for (size_t j = 0; j < c.ours.size(); ++j)
        if (kept[j]) out.push_back({true, static_cast<int>(j), -1});
    for (size_t t = 0; t < c.theirs.size(); ++t)
        if (taken[t]) out.push_back({false, static_cast<int>(t), -1});
    return kept;
}

static bool SameCreationTime(const NoteRecord &a, const NoteRecord &b) {
    return std::memcmp(&a.created, &b.created, sizeof a.created) == 0;
}

// A record of theirs follows the first record of ours not kept with its creation time, in the
// order of the merged table; the rest of ours not kept are gone.
static void PairAndClose(NotesMerge &merge, const std::vector<bool> &kept,
                         const std::vector<NoteRecord> &theirs, const std::vector<NoteRecord> &ours) {
    std::vector<bool> used = kept;
    for (MergedRecord &record : merge.records) {
        if (record.ours) continue;
        for (size_t j = 0; j < ours.size() && record.follows < 0; ++j) {
            if (used[j] || !SameCreationTime(ours[j], theirs[record.index])) continue;
            used[j] = true;
            record.follows = static_cast<int>(j);
        }
    }
    for (size_t j = 0; j < ours.size(); ++j)
        if (!used[j]) merge.gone.push_back(static_cast<int>(j));
}

NotesMerge MergeNotes(const std::vector<NoteRecord> &base, const std::vector<NoteRecord> &theirs,
                      const std::vector<NoteRecord> &ours, const std::vector<bool> &pinned) {
    const NoteClasses c = ClassesOf(base, theirs, ours);
    NotesMerge merge;
    const std::vector<bool> kept =
        c.ours == c.base ? TakeTheirs(c, pinned, merge.records) : MergeBoth(c, pinned, merge.records);
    PairAndClose(merge, kept, theirs, ours);
    std::vector<int> merged;
    for (const MergedRecord &record : merge.records)
        merged.push_back(record.ours ? c.ours[record.index] : c.theirs[record.index]);
    merge.differsFromTheirs = merged != c.theirs;
    return merge;
}

std::vector<NoteRecord> MergedTable(const NotesMerge &merge, const std::vector<NoteRecord> &theirs,
                                    const std::vector<NoteRecord> &ours) {
    std::vector<NoteRecord> table;
    for (const MergedRecord &record : merge.records)
        table.push_back(record.ours ? ours[record.index] : theirs[record.index]);
    return table;
}
