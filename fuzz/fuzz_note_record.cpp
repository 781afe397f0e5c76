// Any two records of the notes file, through everything that reads a record: the title, the
// line layout, the date macros, the export in both formats, the sort comparison, the
// arrangement, the placement of a new note and the edge colours.
#include "notes/arrangement.h"
#include "notes/date_macro.h"
#include "notes/edge_colors.h"
#include "notes/line_layout.h"
#include "notes/note_geometry.h"
#include "notes/note_title.h"
#include "settings/settings.h"
#include "textio/export_format.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

static int SignOf(int value) {
    return (value > 0) - (value < 0);
}

// The client area the platform makes of a stored extent: 0 to 32767 pixels.
static int ClientExtent(int stored) {
    return std::clamp(stored, 0, 32767);
}

static void ReadText(const NoteRecord &note) {
    NoteTitle(note.text, kTextSize);
    // Every byte 7 pixels wide; each prefix asked for ends after the one before, inside the line.
    const auto measure = [](const std::string &line, const std::vector<size_t> &ends) {
        std::vector<int> widths;
        for (size_t end : ends) {
            if (end > line.size() || (!widths.empty() && end * 7 <= static_cast<size_t>(widths.back())))
                std::abort();
            widths.push_back(static_cast<int>(end) * 7);
        }
        return widths;
    };
    const int wrapWidth = ClientExtent(note.width) - 5;
    LayOutLines(note.text, kTextSize, note.wrapFlag != 0, wrapWidth, measure, IsCp932LeadByte);
    const CreationTime &t = note.created;
    const ClockReading clock{t.year, t.month, t.day, t.day, t.hour, t.minute, t.second, 0};
    char drawn[kTextSize];
    FormatDateMacro(DateMacroOf(note.text), clock, drawn, sizeof drawn);
}

// A failing write is taken for every third piece when the wrap flag says so.
static void Export(const NoteRecord &note) {
    std::string out;
    int pieces = 0;
    const PieceWriter write = [&](const char *bytes, size_t size) {
        if (note.wrapFlag == 2 && ++pieces % 3 == 0) return false;
        out.append(bytes, size);
        return true;
    };
    WriteNoteAsText(note, write);
    const int columns[kCsvColumnCount] = {1, 1, 1, 1, 1, 1};
    WriteNoteAsCsv(note, columns, write);
}

static void DrawAndPlace(const NoteRecord &note) {
    EdgeLines(note.backColor, ClientExtent(note.width), ClientExtent(note.height));
    const NoteRect fitted = {note.x, note.y, NewNoteExtent(note.width, 220), NewNoteExtent(note.height, 66)};
    if (fitted.width < kMinNoteExtent || fitted.height < kMinNoteExtent) std::abort();
    CorrectPlacement(fitted, ScreenRect{0, 0, 1024, 768});
}

// The sort needs a consistent order: each note equals itself, and swapping two flips the sign.
static void Compare(const NoteRecord &a, const NoteRecord &b) {
    for (int key : {kSortByCreation, kSortByText, kSortByColor}) {
        for (int order : {kSortAscending, kSortDescending}) {
            sortKey = key;
            sortOrder = order;
            if (CompareNotes(a, a) != 0) std::abort();
            if (SignOf(CompareNotes(a, b)) != -SignOf(CompareNotes(b, a))) std::abort();
        }
    }
}

static void Arrange(const NoteRecord &a, const NoteRecord &b) {
    const std::vector<ArrangeItem> items = {{a.x, a.y, a.width, a.height, ModeOf(a)},
                                            {b.x, b.y, b.width, b.height, ModeOf(b)},
                                            {a.x, a.y, a.width, a.height, ModeOf(b)}};
    const ArrangeLayout layout = {kCornerTopLeft + (a.taskbarFlag & 3),
                                  kDirectionRight + (b.taskbarFlag & 3),
                                  a.wrapFlag & 63,
                                  (b.wrapFlag & 1) != 0,
                                  (b.wrapFlag & 2) != 0,
                                  1024,
                                  768};
    if (ArrangePlaces(items, layout).size() != items.size()) std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    NoteRecord a, b; // the first two records of the file, the missing bytes zero
    std::memset(&a, 0, sizeof a);
    std::memset(&b, 0, sizeof b);
    std::memcpy(&a, data, std::min(size, sizeof a));
    if (size > sizeof a) std::memcpy(&b, data + sizeof a, std::min(size - sizeof a, sizeof b));
    for (const NoteRecord *note : {&a, &b}) {
        ReadText(*note);
        Export(*note);
        DrawAndPlace(*note);
    }
    Compare(a, b);
    Arrange(a, b);
    return 0;
}
