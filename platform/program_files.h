// The files beside the program, all named after it. Paths are UTF-16 from the module path on, so
// the files open whatever the folder's name holds.
#pragma once

constexpr int kPathSize = 260;
constexpr int kNotesPathSize = 1024;
constexpr int kHelpPathSize = 1024;

extern wchar_t settingsPath[kPathSize], logPath[kPathSize], defaultsPath[kPathSize];
extern wchar_t notesPath[kNotesPathSize], backupPath[kPathSize];
extern wchar_t helpPath[kHelpPathSize];

// Derives the five data-file names and the help file name from the program's own path.
void DeriveProgramFileNames(const wchar_t *modulePath);
