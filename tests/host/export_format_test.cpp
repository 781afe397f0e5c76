#include "textio/export_format.h"

#include <gtest/gtest.h>
#include <cstring>
#include <string>

static NoteRecord Note(const std::string &text) {
    NoteRecord note;
    std::memset(&note, 0, sizeof note);
    std::memcpy(note.text, text.data(), text.size());
    return note;
}

static NoteRecord StyledNote(const std::string &text) {
    NoteRecord note = Note(text);
    note.fontDialog.rgbColors = 0x000000;
    note.backColor = 0xFFFFFF;
    std::strcpy(note.font.lfFaceName, "\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e"); // ＭＳ ゴシック
    note.font.lfHeight = -12;
    note.font.lfWidth = 0;
    return note;
}

// Collects what the export writes, and the pieces it was written in.
struct Output {
    std::string bytes;
    std::vector<std::string> pieces;
    int failAt = -1; // the piece whose write fails
    PieceWriter Writer() {
        return [this](const char *data, size_t size) {
            const bool ok = static_cast<int>(pieces.size()) != failAt;
            pieces.emplace_back(data, size);
            if (ok) bytes.append(data, size);
            return ok;
        };
    }
};

static const int kAllColumns[kCsvColumnCount] = {1, 1, 1, 1, 1, 1};

static std::string Text(std::initializer_list<std::string> texts) {
    Output out;
    for (const std::string &text : texts)
        WriteNoteAsText(Note(text), out.Writer());
    return out.bytes;
}

static std::string Csv(const NoteRecord &note, const int (&columns)[kCsvColumnCount] = kAllColumns) {
    Output out;
    WriteNoteAsCsv(note, columns, out.Writer());
    return out.bytes;
}

TEST(TextExport, EachLineIsFollowedByOneLineFeed) {
    EXPECT_EQ(Text({"AB\r\nCD", "X"}), "AB\r\n\nCD\nX\n");
    EXPECT_EQ(Text({"A\r\n"}), "A\r\n\n");
    EXPECT_EQ(Text({"a\rb\nc"}), "a\rb\nc\n") << "lone CR and LF are written unchanged";
}

TEST(TextExport, EmptyNotesWriteNothing) {
    EXPECT_EQ(Text({""}), "");
    EXPECT_EQ(Text({"", "X", ""}), "X\n");
}

TEST(TextExport, AFailedWriteSkipsTheRestOfTheNote) {
    Output out;
    out.failAt = 2; // "two\r\n"
    WriteNoteAsText(Note("one\r\ntwo\r\nthree"), out.Writer());
    WriteNoteAsText(Note("next"), out.Writer());
    EXPECT_EQ(out.bytes, "one\r\n\nnext\n");
}

TEST(CsvExport, AllColumns) {
    EXPECT_EQ(Csv(StyledNote("a\r\nb")),
              "a b,0,16777215,\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e,-12,0\n");
}

TEST(CsvExport, ColoursAreSignedDecimal) {
    NoteRecord note = StyledNote("x");
    note.fontDialog.rgbColors = 0x0000FF;
    note.backColor = 0xFF0000;
    const int colours[kCsvColumnCount] = {0, 1, 1, 0, 0, 0};
    EXPECT_EQ(Csv(note, colours), ",255,16711680,,,\n");
    note.backColor = 0xFFFFFFFF;
    EXPECT_EQ(Csv(note, colours), ",255,-1,,,\n");
}

TEST(CsvExport, UnselectedColumnsStayEmpty) {
    const int none[kCsvColumnCount] = {0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Csv(StyledNote("text"), none), ",,,,,\n");
    const int textAndWidth[kCsvColumnCount] = {1, 0, 0, 0, 0, 1};
    NoteRecord note = StyledNote("t");
    note.font.lfWidth = 7;
    EXPECT_EQ(Csv(note, textAndWidth), "t,,,,,7\n");
}

TEST(CsvExport, EmptyNoteStillGivesARecord) {
    EXPECT_EQ(Csv(StyledNote("")), ",0,16777215,\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e,-12,0\n");
}

TEST(CsvExport, NothingIsQuotedOrEscaped) {
    EXPECT_EQ(Csv(StyledNote("1,\"2\"\r\n\r\n3\r4\n")).substr(0, 13), "1,\"2\"  3\r4\n,0");
}

TEST(CsvExport, AFailedTextPieceStillWritesTheOtherFields) {
    Output out;
    out.failAt = 1; // "b " of "a\r\nb\r\nc"
    WriteNoteAsCsv(StyledNote("a\r\nb\r\nc"), kAllColumns, out.Writer());
    EXPECT_EQ(out.bytes, "a ,0,16777215,\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e,-12,0\n");
}
