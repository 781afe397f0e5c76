// The windows both tavlo and the floor program show in the process benchmarks: up to 99 small
// notes in a grid that fits a 1024 x 768 screen. Shared by the driver and the floor program.
#pragma once
#include <windows.h>

constexpr int kBenchNotes = 99;
constexpr int kClockNotes = 3; // the clock benchmark shows these and one plain note
constexpr int kBenchNoteWidth = 108, kBenchNoteHeight = 64;
constexpr wchar_t kFloorClassName[] = L"TavloBenchFloor";

// The place of note `index`: nine to a row, eleven rows.
inline RECT BenchNoteRect(int index) {
    const int x = 4 + (index % 9) * (kBenchNoteWidth + 4);
    const int y = 4 + (index / 9) * (kBenchNoteHeight + 4);
    return RECT{x, y, x + kBenchNoteWidth, y + kBenchNoteHeight};
}
