// The settings file, read and written one key at a time through the profile functions.
#include "settings/settings.h"

#include "app/file_util.h"
#include "app/program.h"
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

void SaveSettings() {
    CreateEmptyFileIfMissing(settingsPath);
    for (int index : kSettingWriteOrder) {
        const SettingEntry &entry = kSettingEntries[index];
        char value[12];
        FormatSettingValue(entry, value);
        WritePrivateProfileStringA(entry.section, entry.key, value, settingsPath);
    }
}
