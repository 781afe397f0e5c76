// Appending peeled-off notes to the history log.
#include "textio/history_log.h"

#include "app/file_util.h"
#include "app/local_clock.h"
#include "app/program.h"
#include "store/note_table.h"
#include "textio/log_format.h"
#include "textio/text_lines.h"

char historyText[1024];
int restoreToNewNote;

static void WriteEntryHeader(HANDLE file) {
    char header[96];
    const int length = FormatLogHeader(header, sizeof header, ReadLocalTime());
    WriteAllBytes(file, header, static_cast<size_t>(length));
}

// One write per line; after a failed write the rest of the text is skipped.
static void WriteEntryText(HANDLE file, const char *text, size_t length) {
    for (size_t start = 0; start < length;) {
        const size_t end = LineEnd(text, length, start);
        if (!WriteAllBytes(file, text + start, end - start)) return;
        start = end;
    }
}

void AppendToLog(int index) {
    CreateEmptyFileIfMissing(logPath);
    if (index < 0 || index >= noteCount) return;
    const char *text = NoteTable[index].text;
    const size_t length = NoteTextLength(text);
    if (length == 0) return;
    HANDLE file = CreateFileA(logPath, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return; // the entry is lost, silently
    LARGE_INTEGER zero = {};
    SetFilePointerEx(file, zero, nullptr, FILE_END);
    WriteEntryHeader(file);
    WriteEntryText(file, text, length);
    WriteAllBytes(file, "\n", 1);
    CloseHandle(file);
}
