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
// Writes every integer key into a copy of the file that then replaces it in one step; the
// bitmap path and lines written by hand stay as they are.
void SaveSettings();
