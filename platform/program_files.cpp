#include "platform/program_files.h"

#include "platform/data_file_names.h"
#include "platform/help_file_name.h"

wchar_t settingsPath[kPathSize], logPath[kPathSize], defaultsPath[kPathSize];
wchar_t notesPath[kNotesPathSize], backupPath[kPathSize];
wchar_t helpPath[kHelpPathSize], htmlHelpPath[kHelpPathSize];

void DeriveProgramFileNames(const wchar_t *modulePath) {
    DeriveDataFileName(modulePath, L".INI", settingsPath, kPathSize);
    DeriveDataFileName(modulePath, L".LOG", logPath, kPathSize);
    DeriveDataFileName(modulePath, L".DEF", defaultsPath, kPathSize);
    DeriveDataFileName(modulePath, L".DAT", notesPath, kNotesPathSize);
    DeriveDataFileName(modulePath, L".OLD", backupPath, kPathSize);
    DeriveHelpFileName(modulePath, helpPath, kHelpPathSize);
    DeriveDataFileName(modulePath, L".chm", htmlHelpPath, kHelpPathSize);
}
