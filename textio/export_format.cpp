#include "textio/export_format.h"

#include "textio/text_lines.h"

#include <cstdio>
#include <cstring>

void WriteNoteAsText(const NoteRecord &note, const PieceWriter &write) {
    const size_t length = NoteTextLength(note.text);
    for (size_t start = 0; start < length;) {
        const size_t end = LineEnd(note.text, length, start);
        if (!write(note.text + start, end - start)) return;
        write("\n", 1);
        start = end;
    }
}

// The text field: each line with its CR LF turned into one blank, one write per line.
static void WriteCsvText(const NoteRecord &note, const PieceWriter &write) {
    const size_t length = NoteTextLength(note.text);
    char piece[kTextSize];
    for (size_t start = 0; start < length;) {
        const size_t end = LineEnd(note.text, length, start);
        const bool endsInCrLf = end - start >= 2 && note.text[end - 2] == '\r' && note.text[end - 1] == '\n';
        const size_t kept = end - start - (endsInCrLf ? 2 : 0);
        std::memcpy(piece, note.text + start, kept);
        if (endsInCrLf) piece[kept] = ' ';
        if (!write(piece, kept + (endsInCrLf ? 1 : 0))) return;
        start = end;
    }
}

static void WriteNumberField(int32_t value, bool selected, const PieceWriter &write) {
    write(",", 1);
    if (!selected) return;
    char number[16];
    const int length = std::snprintf(number, sizeof number, "%d", static_cast<int>(value));
    write(number, static_cast<size_t>(length));
}

static void WriteFaceField(const NoteRecord &note, bool selected, const PieceWriter &write) {
    write(",", 1);
    if (selected) write(note.font.lfFaceName, strnlen(note.font.lfFaceName, sizeof note.font.lfFaceName));
}

void WriteNoteAsCsv(const NoteRecord &note, const int (&columns)[kCsvColumnCount], const PieceWriter &write) {
    if (columns[0]) WriteCsvText(note, write);
    // Colours are written as signed 32-bit numbers: red + 256 * green + 65536 * blue.
    WriteNumberField(static_cast<int32_t>(TextColorOf(note)), columns[1] != 0, write);
    WriteNumberField(static_cast<int32_t>(note.backColor), columns[2] != 0, write);
    WriteFaceField(note, columns[3] != 0, write);
    WriteNumberField(note.font.lfHeight, columns[4] != 0, write);
    WriteNumberField(note.font.lfWidth, columns[5] != 0, write);
    write("\n", 1);
}
