#include "store/note_merge.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

// A table written as words: "a b2 c*" is note a, note b in its second version (moved: same
// creation time, another place) and note c, pinned (its dialog open; counts only for ours).
struct Table {
    std::vector<std::string> words;
    std::vector<NoteRecord> records;
    std::vector<bool> pinned;
};

// Every table gives its records its own window handles and font-dialog pointers, as another
// process would, so that every case also shows that they do not tell notes apart.
static NoteRecord Note(char letter, int version, uint32_t handles) {
    NoteRecord r;
    std::memset(&r, 0, sizeof r);
    std::snprintf(r.text, sizeof r.text, "note %c", letter);
    r.created = {2024, 5, 1, 12, 0, static_cast<uint16_t>(letter - 'a')};
    r.x = 100 * version;
    r.y = 50;
    r.window = handles;
    FontDialogBytes &d = r.fontDialog;
    d.hwndOwner = handles + 1;
    d.hDC = handles + 2;
    d.lpLogFont = handles + 3;
    d.lpfnHook = handles + 4;
    d.lpTemplateName = handles + 5;
    d.hInstance = handles + 6;
    d.lpszStyle = handles + 7;
    return r;
}

static Table Parse(const std::string &words, uint32_t handles) {
    Table table;
    std::istringstream in(words);
    for (std::string word; in >> word;) {
        const int version = word.size() > 1 && std::isdigit(word[1]) ? word[1] - '0' : 1;
        const uint32_t id = handles + 16 * static_cast<uint32_t>(table.records.size());
        table.words.push_back(word);
        table.records.push_back(Note(word[0], version, id));
        table.pinned.push_back(word.back() == '*');
    }
    return table;
}

// The merged table in words: ours as written ("a"), theirs with a plus ("+b2"), the note of ours
// whose window it takes after a slash ("+b2/b"); then each note of ours whose window closes ("-c").
static std::string Describe(const NotesMerge &merge, const Table &theirs, const Table &ours) {
    std::string out;
    for (const MergedRecord &r : merge.records) {
        out += r.ours ? ours.words[r.index] : "+" + theirs.words[r.index];
        out += r.follows >= 0 ? "/" + ours.words[r.follows] + " " : " ";
    }
    for (int index : merge.gone)
        out += "-" + ours.words[index] + " ";
    return out.substr(0, out.size() - !out.empty());
}

// A merge case: the tables in the words Parse reads, the merged table as Describe tells it, and
// whether the result has to be written.
struct Case {
    const char *what, *base, *theirs, *ours, *merged;
    bool write;
};

template <size_t N> static void CheckMerges(const Case (&cases)[N]) {
    for (const Case &c : cases) {
        const Table base = Parse(c.base, 0x1000), theirs = Parse(c.theirs, 0x2000),
                    ours = Parse(c.ours, 0x3000);
        const NotesMerge merge = MergeNotes(base.records, theirs.records, ours.records, ours.pinned);
        EXPECT_EQ(Describe(merge, theirs, ours), c.merged) << c.what;
        EXPECT_EQ(merge.differsFromTheirs, c.write) << c.what;
    }
}

TEST(NoteMerge, ThreeWaysRecordByRecord) {
    const Case cases[] = {
        {"unchanged here: theirs as it is, in their order", "a b c", "c a d", "a b c", "c a +d -b", false},
        {"added there", "a b", "a b c", "a b x", "a b x +c", true},
        {"added here, nothing there", "a b", "a b", "a b x", "a b x", true},
        {"added on both sides", "a", "a c d", "a x", "a x +c +d", true},
        {"removed there, unchanged here", "a b c", "a c", "a b c", "a c -b", false},
        {"removed there, unchanged here, other changes here", "a b c", "a c", "a b c x", "a c x -b", true},
        {"removed there, changed here: stays", "a b", "a", "a b2", "a b2", true},
        {"removed here, changed there: comes back", "a b", "a b2", "a", "a +b2", false},
        {"changed on both sides: both kept", "a b", "a b3", "a b2", "a b2 +b3", true},
        {"moved there follows, unchanged here", "a b c", "a b2 c", "a b c", "a +b2/b c", false},
        {"moved there follows, at the end after ours", "a b c", "a b2 c", "a b c x", "a c x +b2/b", true},
        {"rearranged here, nothing there: our order", "a b c", "a b c", "c a b", "c a b", true},
        {"rearranged here, added there", "a b", "a b c", "b a", "b a +c", true},
        {"added alike on both sides: once, nothing to write", "a", "a x", "a x", "a x", false},
        {"emptied there", "a b", "", "a b", "-a -b", false},
        {"emptied there, added here", "a b", "", "a b x", "x -a -b", true},
        {"first file there", "", "a b", "x", "x +a +b", true},
    };
    CheckMerges(cases);
}

// Equal records are counted: what was removed or added there is removed or added that often.
// Of equal notes of ours, pinned ones are kept first; of theirs, the last ones are the new ones.
TEST(NoteMerge, EqualRecordsAndPinnedOnes) {
    const Case cases[] = {
        {"pinned, removed there, unchanged here: kept after theirs", "a b", "a", "a b*", "a b*", true},
        {"pinned, moved there: kept, and the move is a note of its own", "a b", "a b2", "a b*", "a +b2 b*",
         true},
        {"pinned, removed there, changed here elsewhere", "a b c", "a", "a b* c x", "a b* x -c", true},
        {"a pinned one of two equal notes is the one kept", "e e", "e", "e e*", "e* -e", false},
        {"one of two equal notes removed there", "e e a", "e a", "e e a x", "e a x -e", true},
        {"both of two equal notes removed there, one pinned", "e e a", "a", "e* e a x", "e* a x -e", true},
        {"another equal note added there", "e a", "e a e", "e a x", "e a x +e", true},
        {"an equal note added there after another: the last is the new one", "e", "e x e", "e y", "e y +x +e",
         true},
        {"another equal note added there, unchanged here", "e", "e e", "e", "e +e", false},
        {"an equal note added on both sides: once", "e a", "e a e", "e a e", "e a e", false},
        {"two equal notes added there, one here", "a", "a e e", "a e", "a e +e", false},
        {"two changed there from one note: the first follows", "a b", "a b2 b3", "a b", "a +b2/b +b3", false},
    };
    CheckMerges(cases);
}

// The table the shell takes: kept notes are ours, with our window handles; new ones are theirs.
TEST(NoteMerge, MergedTableTakesEachRecordFromItsSide) {
    const Table base = Parse("a b", 0x1000), theirs = Parse("a b c", 0x2000), ours = Parse("a b2", 0x3000);
    const NotesMerge merge = MergeNotes(base.records, theirs.records, ours.records, ours.pinned);
    const std::vector<NoteRecord> table = MergedTable(merge, theirs.records, ours.records);
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(std::memcmp(&table[0], &ours.records[0], sizeof(NoteRecord)), 0);
    EXPECT_EQ(std::memcmp(&table[1], &ours.records[1], sizeof(NoteRecord)), 0);
    EXPECT_EQ(std::memcmp(&table[2], &theirs.records[2], sizeof(NoteRecord)), 0);
}

// Only the window handle and the font dialog's handles and addresses are not the note.
TEST(NoteMerge, IdentityLeavesOutHandlesAndAddressesOnly) {
    struct Case {
        const char *field;
        void (*change)(NoteRecord &);
        bool same;
    };
    const Case cases[] = {
        {"window", [](NoteRecord &r) { r.window = 0xDEAD; }, true},
        {"hwndOwner", [](NoteRecord &r) { r.fontDialog.hwndOwner = 1; }, true},
        {"hDC", [](NoteRecord &r) { r.fontDialog.hDC = 1; }, true},
        {"lpLogFont", [](NoteRecord &r) { r.fontDialog.lpLogFont = 1; }, true},
        {"lpfnHook", [](NoteRecord &r) { r.fontDialog.lpfnHook = 1; }, true},
        {"lpTemplateName", [](NoteRecord &r) { r.fontDialog.lpTemplateName = 1; }, true},
        {"hInstance", [](NoteRecord &r) { r.fontDialog.hInstance = 1; }, true},
        {"lpszStyle", [](NoteRecord &r) { r.fontDialog.lpszStyle = 1; }, true},
        {"text", [](NoteRecord &r) { r.text[0] = 'N'; }, false},
        {"bytes after the text's end", [](NoteRecord &r) { r.text[kMaxTextBytes] = 'x'; }, false},
        {"reserved", [](NoteRecord &r) { r.reserved[1] = 1; }, false},
        {"creation second", [](NoteRecord &r) { r.created.second = 59; }, false},
        {"height", [](NoteRecord &r) { r.height = 7; }, false},
        {"display mode's high bits", [](NoteRecord &r) { r.displayMode = 0x10000; }, false},
        {"face name", [](NoteRecord &r) { r.font.lfFaceName[31] = 'x'; }, false},
        {"text colour", [](NoteRecord &r) { r.fontDialog.rgbColors = 0xFF; }, false},
        {"lCustData", [](NoteRecord &r) { r.fontDialog.lCustData = 1; }, false},
        {"font dialog's last byte", [](NoteRecord &r) { r.fontDialog.nSizeMax = 1 << 24; }, false},
    };
    for (const Case &c : cases) {
        const NoteRecord a = Note('a', 1, 0x1000);
        NoteRecord b = a;
        c.change(b);
        EXPECT_EQ(SameNote(a, b), c.same) << c.field;
        EXPECT_EQ(SameNotes({a, a}, {a, b}), c.same) << c.field;
    }
    EXPECT_FALSE(SameNotes({Note('a', 1, 0)}, {Note('a', 1, 0), Note('a', 1, 0)})) << "another length";
}

// As start-up loads a file: complete records only, all of them.
TEST(NoteMerge, ReadsCompleteRecordsOfTheFile) {
    std::string file;
    for (int i = 0; i < 101; ++i) {
        const NoteRecord r = Note('a', i, static_cast<uint32_t>(i));
        file.append(reinterpret_cast<const char *>(&r), sizeof r);
    }
    const struct {
        size_t size, records;
    } cases[] = {{0, 0}, {1187, 0}, {1188, 1}, {2 * 1188 + 1100, 2}, {101 * 1188, 101}};
    for (const auto &c : cases) {
        const std::vector<char> bytes(file.begin(), file.begin() + c.size); // exactly that many
        const std::vector<NoteRecord> records = ReadNoteRecords(bytes.data(), bytes.size());
        ASSERT_EQ(records.size(), c.records) << c.size << " bytes";
        for (size_t i = 0; i < records.size(); ++i)
            EXPECT_EQ(std::memcmp(&records[i], file.data() + i * 1188, 1188), 0) << "record " << i;
    }
}
