// The files beside the program, all named after it.
#pragma once

constexpr int kPathSize = 260;
constexpr int kNotesPathSize = 1024;
constexpr int kHelpPathSize = 1024;

extern char settingsPath[kPathSize], logPath[kPathSize], defaultsPath[kPathSize];
extern char notesPath[kNotesPathSize], backupPath[kPathSize];
extern char helpPath[kHelpPathSize];

// Derives the five data-file names and the help file name from the program's own path.
void DeriveProgramFileNames(const char *modulePath);
