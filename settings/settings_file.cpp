// The settings file, read and written over its Shift-JIS bytes: the platform's profile functions
// would read a file without a byte-order mark in the system's code page, which need not be 932.
#include "settings/settings.h"

#include "platform/file_error_message.h"
#include "platform/file_util.h"
#include "platform/program_files.h"
#include "platform/whole_file_save.h"
#include "platform/file_look.h"
#include "settings/settings_merge.h"
#include "settings/settings_table.h"

#include <string>

// The file as this copy last read or wrote it, the values its keys then had here, and how it
// looked: another writer's change is told from one's own by them.
static std::string settingsBase;
static SettingValues baseValues;
static FileLook settingsLook;

static void TakeAsBase(const std::string &file, const FileLook &look) {
    settingsBase = file;
    baseValues = CurrentSettingValues();
    settingsLook = look;
}

void ForgetSettingsBase() {
    settingsBase.clear();
    baseValues = CurrentSettingValues();
    settingsLook = LookAtFile(settingsPath);
}

void LoadSettings() {
    // Without a file nothing is read: every variable keeps its built-in value.
    if (!FileExists(settingsPath)) {
        CreateEmptyFileIfMissing(settingsPath);
        TakeAsBase("", LookAtFile(settingsPath));
        return;
    }
    // A file held by another program a moment is waited for. One that stays unreadable keeps the
    // user's settings only if it is not written over with the built-in values, so it is left alone.
    std::string file;
    const FileLook look = LookAtFile(settingsPath); // first, as the notes file is looked at
    if (const DWORD error = ReadWholeFileWaiting(settingsPath, file)) {
        KeepFileUnwritten(settingsPath, error);
        ShowFileErrorMessage(settingsPath, "この設定ファイルを読み込めません.", error,
                             "組み込みの設定で動き, 設定はこのファイルに保存しません.");
        return;
    }
    ReadSettingKeys(file);
    TakeAsBase(file, look);
}

// A key that another writer changed and this copy did not takes their value, here too.
static void TakeInTheirKeys(const std::string &theirs) {
    if (theirs == settingsBase) return;
    const SettingValues ours = CurrentSettingValues();
    SetSettingValues(MergeSettingValues(baseValues, ReadSettingValues(theirs, baseValues), ours));
}

static DWORD WriteKeysInto(std::string &file) {
    WriteSettingKeys(file);
    FileLook written;
    const DWORD error =
        ReplaceWholeFileBytes(settingsPath, file.data(), static_cast<DWORD>(file.size()), &written);
    if (!error) TakeAsBase(file, written);
    return error;
}

// The integer keys are written into the file as it stands, so that lines written by hand (the
// bitmap path among them) survive; the whole file is then replaced in one step.
void SaveSettings() {
    std::string file;
    DWORD error = ReadWholeFile(settingsPath, file);
    if (!error) {
        if (!FileKeptUnwritten(settingsPath)) TakeInTheirKeys(file);
        error = WriteKeysInto(file);
    }
    ReportSaveOutcome(settingsPath, error);
}

void TakeInSettingsFile() {
    if (FileKeptUnwritten(settingsPath)) return;
    const FileLook look = LookAtFile(settingsPath);
    std::string file;
    if (look == settingsLook || !look.exists || ReadWholeFile(settingsPath, file) != 0) return;
    if (file == settingsBase) {
        settingsLook = look;
        return;
    }
    TakeInTheirKeys(file);
    // Written only when this copy has keys of its own to add, so that two copies settle.
    if (CurrentSettingValues() == ReadSettingValues(file, baseValues)) {
        TakeAsBase(file, look);
        return;
    }
    ReportSaveOutcome(settingsPath, WriteKeysInto(file));
}
