// Appending peeled-off notes to the history log.
#include "textio/history_log.h"

#include "platform/file_util.h"
#include "platform/local_clock.h"
#include "platform/program.h"
#include "platform/program_files.h"
#include "store/note_table.h"
#include "textio/log_format.h"
#include "textio/text_lines.h"

static bool WriteEntryHeader(HANDLE file) {
    char header[96];
    const int length = FormatLogHeader(header, sizeof header, ReadLocalTime());
    return WriteAllBytes(file, header, static_cast<size_t>(length));
}

// One write per line.
static bool WriteEntryText(HANDLE file, const char *text, size_t length) {
    for (size_t start = 0; start < length;) {
        const size_t end = LineEnd(text, length, start);
        if (!WriteAllBytes(file, text + start, end - start)) return false;
        start = end;
    }
    return true;
}

// Header, text and closing line feed after the log's end; on failure the log is cut back to
// where it ended, so no half entry stays behind to be taken for a whole one.
static DWORD AppendEntry(HANDLE file, const char *text, size_t length) {
    LARGE_INTEGER end = {};
    if (!SetFilePointerEx(file, LARGE_INTEGER{}, &end, FILE_END)) return LastFailure();
    if (WriteEntryHeader(file) && WriteEntryText(file, text, length) && WriteAllBytes(file, "\n", 1) &&
        FlushFileBuffers(file))
        return 0;
    const DWORD error = LastFailure();
    if (SetFilePointerEx(file, end, nullptr, FILE_BEGIN)) SetEndOfFile(file);
    return error;
}

DWORD AppendToLog(int index) {
    CreateEmptyFileIfMissing(logPath);
    if (index < 0 || index >= noteCount) return 0;
    const char *text = NoteTable[index].text;
    const size_t length = NoteTextLength(text);
    if (length == 0) return 0; // an empty note leaves nothing to keep
    HANDLE file = CreateFileW(logPath, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return LastFailure();
    const DWORD error = AppendEntry(file, text, length);
    CloseHandle(file);
    return error;
}
