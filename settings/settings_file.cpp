// The settings file, read and written one key at a time through the profile functions.
#include "settings/settings.h"

#include "platform/file_util.h"
#include "platform/program.h"
#include "platform/program_files.h"
#include "platform/whole_file_save.h"
#include "settings/profile_number.h"
#include "settings/settings_table.h"

void LoadSettings() {
    // Without a file nothing is read: every variable keeps its built-in value.
    if (!FileExists(settingsPath)) {
        CreateEmptyFileIfMissing(settingsPath);
        return;
    }
    for (const SettingEntry &entry : kSettingEntries) {
        char value[kBitmapPathSize]; // numbers are read into the first 128 bytes only
        const DWORD size = entry.variable ? kProfileValueSize : kBitmapPathSize;
        GetPrivateProfileStringA(entry.section, entry.key, entry.missing, value, size, settingsPath);
        ApplySettingValue(entry, value);
    }
}

// Writes the integer keys through the profile functions; 0 or the platform's error.
static DWORD WriteSettingKeys(const char *path) {
    for (int index : kSettingWriteOrder) {
        const SettingEntry &entry = kSettingEntries[index];
        char value[12];
        FormatSettingValue(entry, value);
        if (!WritePrivateProfileStringA(entry.section, entry.key, value, path)) return LastFailure();
    }
    // Flushes the platform's cache of the file, so the file holds every key before it is moved.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path);
    return 0;
}

// The scratch file starts as a copy of the settings file, so that lines written by hand (the
// bitmap path among them) survive; the profile functions then update the copy.
static ScratchOutcome WriteSettingsScratch(const char *scratch) {
    HANDLE file =
        CreateFileA(scratch, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {false, LastFailure()};
    CloseHandle(file);
    // The copy takes the file's attributes; a read-only copy could be neither updated nor removed.
    if (FileExists(settingsPath) &&
        !(CopyFileA(settingsPath, scratch, FALSE) && SetFileAttributesA(scratch, FILE_ATTRIBUTE_NORMAL)))
        return {true, LastFailure()};
    return {true, WriteSettingKeys(scratch)};
}

static DWORD WriteSettingsInPlace(const char *path) {
    CreateEmptyFileIfMissing(path);
    return WriteSettingKeys(path);
}

void SaveSettings() {
    const DWORD error = ReplaceWholeFile(settingsPath, WriteSettingsScratch, WriteSettingsInPlace);
    ReportSaveOutcome(settingsPath, error);
}
