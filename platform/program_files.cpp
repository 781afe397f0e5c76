#include "platform/program_files.h"

#include "platform/data_file_names.h"
#include "platform/help_file_name.h"

char settingsPath[kPathSize], logPath[kPathSize], defaultsPath[kPathSize];
char notesPath[kNotesPathSize], backupPath[kPathSize];
char helpPath[kHelpPathSize];

void DeriveProgramFileNames(const char *modulePath) {
    DeriveDataFileName(modulePath, ".INI", settingsPath, sizeof settingsPath);
    DeriveDataFileName(modulePath, ".LOG", logPath, sizeof logPath);
    DeriveDataFileName(modulePath, ".DEF", defaultsPath, sizeof defaultsPath);
    DeriveDataFileName(modulePath, ".DAT", notesPath, sizeof notesPath);
    DeriveDataFileName(modulePath, ".OLD", backupPath, sizeof backupPath);
    DeriveHelpFileName(modulePath, helpPath, sizeof helpPath);
}
