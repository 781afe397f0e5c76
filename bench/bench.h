// The benchmark driver's shared pieces: one row of the table, the clock, and the figures.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "store/note_record.h"

// How a figure is judged against its goal.
enum class GoalKind {
    Ratio,      // tavlo / floor at most the limit
    Difference, // tavlo - floor at most the limit
    None,       // printed only
};

// One row of the table: tavlo's figure beside the floor's, in one unit. A figure that could not
// be measured stays NaN.
struct Figure {
    const char *name;
    const char *unit;
    const char *goal; // as printed
    GoalKind kind;
    double limit;
    double tavlo;
    double floor;
};

// Seconds on the performance counter.
double Now();
double Median(std::vector<double> values);
// Progress for the person waiting, on the error stream so that the table stays alone.
void Progress(const char *text);

// 1023 bytes of Japanese prose in one paragraph: a full note.
std::string FullNoteText();
// A record with the built-in template's attributes, at the place and with the text.
NoteRecord BenchRecord(const RECT &place, const char *text);
// The folder of the running executable, ending with a backslash.
std::string ProgramFolder();
// The program state that notes opened in this process need.
void StartProgramState(const std::string &folder);

// Start-up with 99 notes and the private bytes it leaves, tavlo.exe against the floor program.
void MeasureStartUp(const std::string &folder, Figure &startUp, Figure &memory);
// CPU seconds per minute under /TIMER with three clock notes and one plain note.
void MeasureClock(const std::string &folder, Figure &clock);
// The notes file save of 99 full notes against one plain atomic replace of as many bytes.
void MeasureSave(Figure &save);
// Painting a note of 1023 bytes of wrapped Japanese text against DrawText of the same text.
void MeasurePaint(Figure &paint);
// The history loader on a large log against reading the log's last megabyte.
void MeasureHistory(const std::string &folder, Figure &history);
