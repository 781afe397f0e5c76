// The save of 99 full notes, as the program writes its notes file, against the floor: one
// atomic replace of a file of as many bytes, written the same way.
#include "bench/bench.h"

#include "bench/bench_layout.h"
#include "notes/create_note.h"
#include "platform/program.h"
#include "platform/program_files.h"
#include "platform/wide_text.h"
#include "store/note_table.h"
#include "store/notes_file.h"

constexpr int kSaveRuns = 50;

// A scratch file beside the target, written through and flushed, then moved over the target.
static void ReplaceFile(const std::string &path, const std::string &bytes) {
    const std::string scratch = path + ".new";
    HANDLE file = CreateFileA(scratch.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    FlushFileBuffers(file);
    CloseHandle(file);
    MoveFileExA(scratch.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

static void OpenFullNotes() {
    const std::string text = FullNoteText();
    for (int i = 0; i < kBenchNotes; ++i) {
        NoteTable[noteCount] = BenchRecord(BenchNoteRect(i), text.c_str());
        CreateNote(nullptr, 0);
    }
}

void MeasureSave(Figure &save) {
    Progress("save with 99 notes: the notes file against a plain atomic replace, 50 of each");
    OpenFullNotes();
    recordsToSave = noteCount; // as every save of all notes sets it
    const std::string floorPath = Narrow(notesPath) + ".floor";
    const std::string bytes(static_cast<size_t>(noteCount) * sizeof(NoteRecord), 'x');
    std::vector<double> tavloTimes, floorTimes;
    for (int run = 0; run < kSaveRuns; ++run) {
        double start = Now();
        SaveNotesFile();
        tavloTimes.push_back((Now() - start) * 1000);
        start = Now();
        ReplaceFile(floorPath, bytes);
        floorTimes.push_back((Now() - start) * 1000);
    }
    while (noteCount > 0)
        CloseNote(noteCount - 1);
    DeleteFileA(floorPath.c_str());
    DeleteFileW(notesPath);
    save.tavlo = Median(tavloTimes);
    save.floor = Median(floorTimes);
}
