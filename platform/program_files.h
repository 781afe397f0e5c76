// The files beside the program, all named after it. Paths are UTF-16 from the module path on, so
// the files open whatever the folder's name holds.
#pragma once

// As long as any path the platform takes, so that a program folder of any depth gives names in
// that folder, never cut ones beside it.
constexpr int kPathSize = 32768;
constexpr int kNotesPathSize = kPathSize;
constexpr int kHelpPathSize = kPathSize;

extern wchar_t settingsPath[kPathSize], logPath[kPathSize], defaultsPath[kPathSize];
extern wchar_t notesPath[kNotesPathSize], backupPath[kPathSize];
// The WinHelp file as the menu command names it, and the HTML Help file that ships beside the
// program, named like the data files.
extern wchar_t helpPath[kHelpPathSize], htmlHelpPath[kHelpPathSize];

// Derives the five data-file names and the two help file names from the program's own path.
void DeriveProgramFileNames(const wchar_t *modulePath);
