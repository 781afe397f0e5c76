// The user's options, kept in the settings file beside the program.
#pragma once
#include <cstdint>

constexpr int kBitmapPathSize = 260;

extern int inheritPosition, inheritDisplayMode, inheritTaskbar, inheritBackColor, inheritFont, inheritWrap;
extern int openEmptyFirst, openInputAtOnce;
extern int arrangeCorner, arrangeDirection, noteSpacing, arrangeFromFirst, arrangeAfterSheet;
extern int sortKey, sortOrder;
extern int logEnabled, imeControl;
extern char backgroundBitmapPath[kBitmapPathSize];

// Reads the settings file once at start-up; creates it empty when missing.
void LoadSettings();
// Nothing read yet, the values as they stand, the file as it looks now: as before start-up.
void ForgetSettingsBase();
// Writes every integer key into a copy of the file that then replaces it in one step; the
// bitmap path and lines written by hand stay as they are. A key that another writer changed
// since this copy last read or wrote the file, and this copy did not, takes their value first.
void SaveSettings();
// When the file may have changed: takes in another writer's keys as SaveSettings does, and writes
// the file only when this copy has keys of its own to add.
void TakeInSettingsFile();
