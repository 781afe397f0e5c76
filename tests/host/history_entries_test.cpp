#include "textio/history_entries.h"
#include "tests/log_samples.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

struct Loaded {
    std::unique_ptr<HistorySlot[]> slots{new HistorySlot[kHistorySlots]};
    int count = 0;
    std::string Text(int slot) const { return std::string(slots[slot]); }
};

// Loads from a copy of exactly the log's bytes, so a read past the end trips the sanitizer.
static Loaded Load(const std::string &log) {
    Loaded result;
    std::vector<unsigned char> bytes(log.begin(), log.end());
    result.count = LoadHistoryEntries(bytes.data(), bytes.size(), result.slots.get());
    return result;
}

TEST(HistoryEntries, EmptyAndOneAndTwoEntries) {
    EXPECT_EQ(Load("").count, 0);
    const Loaded one = Load(Entry("hello"));
    EXPECT_EQ(one.count, 1);
    EXPECT_EQ(one.Text(0), "hello");
    EXPECT_EQ(one.Text(1), "") << "unused slots stay zero";
    const Loaded two = Load(Entry("older") + Entry("newer"));
    ASSERT_EQ(two.count, 2);
    EXPECT_EQ(two.Text(0), "newer");
    EXPECT_EQ(two.Text(1), "older");
}

TEST(HistoryEntries, OnlyTheNewestHundredNewestFirst) {
    const Loaded hundred = Load(NumberedLog(100));
    ASSERT_EQ(hundred.count, 100);
    EXPECT_EQ(hundred.Text(0), "entry 100");
    EXPECT_EQ(hundred.Text(99), "entry 1");
    const Loaded many = Load(NumberedLog(150));
    ASSERT_EQ(many.count, 100);
    EXPECT_EQ(many.Text(0), "entry 150");
    EXPECT_EQ(many.Text(97), "entry 53");
    EXPECT_EQ(many.Text(99), "entry 51");
}

TEST(HistoryEntries, TextComesBackByteForByte) {
    const std::string text = "first\r\nsecond \x95\x5c\r\nthird";
    const Loaded loaded = Load(Entry(text) + Entry("later"));
    EXPECT_EQ(loaded.Text(1), text);
    char note[kHistoryTextSize];
    CopyEntryText(note, loaded.slots[1]);
    EXPECT_EQ(std::string(note), text);
}

TEST(HistoryEntries, FormFeedInsideATextStartsAnotherEntry) {
    // What follows the form feed is read as an entry of its own: its first 33 bytes count as header.
    const std::string tail = "\f" + std::string(32, '#') + "after";
    const Loaded loaded = Load(Entry("before" + tail));
    ASSERT_EQ(loaded.count, 2);
    EXPECT_EQ(loaded.Text(0), "after");
    EXPECT_EQ(loaded.Text(1), "befor") << "the byte before the form feed is taken as the line feed";
}

TEST(HistoryEntries, ShortEntriesAreShownEmpty) {
    // Header and line feed without text, a header cut short, and a lone form feed at the end.
    const Loaded loaded = Load(Entry("a") + kHeader + "\n" + "\f-----\n" + Entry("b") + "\f");
    ASSERT_EQ(loaded.count, 5);
    EXPECT_EQ(loaded.Text(0), "");
    EXPECT_EQ(loaded.Text(1), "b");
    EXPECT_EQ(loaded.Text(2), "");
    EXPECT_EQ(loaded.Text(3), "");
    EXPECT_EQ(loaded.Text(4), "a");
}

TEST(HistoryEntries, LongEntryIsCutAtItsSlot) {
    std::string text(3000, 'x');
    text[1038] = 'L';
    text[1039] = 'Z';
    const Loaded loaded = Load(Entry("old") + Entry(text) + Entry("new"));
    ASSERT_EQ(loaded.count, 3);
    EXPECT_EQ(loaded.Text(1).size(), 1039u) << "the slot keeps its last byte for the NUL";
    EXPECT_EQ(loaded.Text(1).back(), 'L');
    EXPECT_EQ(loaded.Text(0), "new");
    EXPECT_EQ(loaded.Text(2), "old");
    char note[kHistoryTextSize];
    CopyEntryText(note, loaded.slots[1]);
    EXPECT_EQ(std::string(note), std::string(1023, 'x')) << "a restored text is cut at 1023 bytes";
}

TEST(HistoryEntries, BytesBeforeTheFirstFormFeedAreIgnored) {
    const Loaded loaded = Load("garbage without entries" + Entry("real"));
    EXPECT_EQ(loaded.count, 1);
    EXPECT_EQ(loaded.Text(0), "real");
    EXPECT_EQ(Load("no form feed at all").count, 0);
}

// Scans the log through views of a private copy each, as the program maps them chunk by chunk.
static Loaded LoadInViews(const std::string &log, uint32_t chunk, int *views) {
    Loaded result;
    HistoryScan scan;
    BeginHistoryScan(scan, result.slots.get(), log.size());
    *views = 0;
    while (!HistoryScanDone(scan)) {
        const HistoryView view = NextHistoryView(scan, chunk);
        EXPECT_EQ(view.offset % chunk, 0u) << "views start at the alignment";
        EXPECT_LE(view.offset + view.size, log.size());
        std::vector<unsigned char> bytes(log.begin() + view.offset, log.begin() + view.offset + view.size);
        ScanHistoryView(scan, result.slots.get(), bytes.data(), view);
        ++*views;
    }
    result.count = scan.count;
    return result;
}

TEST(HistoryEntries, ScanningInViewsFindsWhatOneScanFinds) {
    std::string log = "junk" + Entry(std::string(1500, 'q')) + NumberedLog(60) + Entry("a\r\nb") +
                      Entry(std::string(2000, 'r')) + "\f--\n" + NumberedLog(70);
    const Loaded whole = Load(log);
    for (uint32_t chunk : {1u, 7u, 64u, 1000u, 4096u, 1u << 20}) {
        int views = 0;
        const Loaded parts = LoadInViews(log, chunk, &views);
        ASSERT_EQ(parts.count, whole.count) << "chunk " << chunk;
        for (int i = 0; i < kHistorySlots; ++i)
            ASSERT_EQ(std::string(parts.slots[i], kHistorySlotSize),
                      std::string(whole.slots[i], kHistorySlotSize))
                << "chunk " << chunk << ", slot " << i;
    }
}

TEST(HistoryEntries, ScanStopsAtTheChunkHoldingTheHundredthEntry) {
    // A long stretch of old bytes before the newest entries is never looked at.
    const std::string log = std::string(100000, 'o') + NumberedLog(120);
    int views = 0;
    const Loaded loaded = LoadInViews(log, 4096, &views);
    EXPECT_EQ(loaded.count, 100);
    EXPECT_EQ(loaded.Text(99), "entry 21");
    EXPECT_EQ(views, 2) << "the newest 100 entries lie in the last two chunks";
}
