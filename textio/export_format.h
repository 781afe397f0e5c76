// The bytes of the export: a plain-text form and a CSV form of each note.
#pragma once
#include <cstddef>
#include <functional>

#include "store/note_record.h"

constexpr int kCsvColumnCount = 6; // text, text colour, background colour, face, height, width

// Hands one piece of the output to the file at once; false when the write failed.
using PieceWriter = std::function<bool(const char *bytes, size_t size)>;

// Text form: each line of the note's text, its CR LF included, followed by one LF, so a CR LF
// line end becomes CR LF LF. An empty note writes nothing. When a write fails, the rest of the
// note is skipped.
void WriteNoteAsText(const NoteRecord &note, const PieceWriter &write);

// CSV form: one record of six fields, exactly five commas and an LF, nothing quoted or escaped.
// The text has each CR LF replaced by a blank; a column whose flag is 0 is left empty. When a
// piece of the text fails to be written, the rest of the text is skipped but the other fields
// and the record end are still written.
void WriteNoteAsCsv(const NoteRecord &note, const int (&columns)[kCsvColumnCount], const PieceWriter &write);
