// The settings file, read and written over its Shift-JIS bytes: the platform's profile functions
// would read a file without a byte-order mark in the system's code page, which need not be 932.
#include "settings/settings.h"

#include "platform/file_util.h"
#include "platform/program_files.h"
#include "platform/whole_file_save.h"
#include "settings/settings_table.h"

#include <string>

void LoadSettings() {
    // Without a file nothing is read: every variable keeps its built-in value.
    if (!FileExists(settingsPath)) {
        CreateEmptyFileIfMissing(settingsPath);
        return;
    }
    // A file that cannot be read gives every key its missing string, as the profile functions do.
    std::string file;
    ReadWholeFile(settingsPath, file);
    ReadSettingKeys(file);
}

// The integer keys are written into the file as it stands, so that lines written by hand (the
// bitmap path among them) survive; the whole file is then replaced in one step.
void SaveSettings() {
    std::string file;
    DWORD error = ReadWholeFile(settingsPath, file);
    if (!error) {
        WriteSettingKeys(file);
        error = ReplaceWholeFileBytes(settingsPath, file.data(), static_cast<DWORD>(file.size()));
    }
    ReportSaveOutcome(settingsPath, error);
}
