// The settings file, read and written over its Shift-JIS bytes: the platform's profile functions
// would read a file without a byte-order mark in the system's code page, which need not be 932.
#include "settings/settings.h"

#include "platform/file_error_message.h"
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
    // A file held by another program a moment is waited for. One that stays unreadable keeps the
    // user's settings only if it is not written over with the built-in values, so it is left alone.
    std::string file;
    if (const DWORD error = ReadWholeFileWaiting(settingsPath, file)) {
        KeepFileUnwritten(settingsPath, error);
        ShowFileErrorMessage(settingsPath, "この設定ファイルを読み込めません.", error,
                             "組み込みの設定で動き, 設定はこのファイルに保存しません.");
        return;
    }
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
