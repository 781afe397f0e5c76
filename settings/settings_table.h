// The settings file described once, as data: read by LoadSettings, written by SaveSettings.
#pragma once
#include <cstdint>
#include <string>

struct SettingEntry {
    const char *section;
    const char *key;
    int *variable; // null for the bitmap path, which is text
    int base;      // stored as value - base
    bool ranged;   // values outside low..high are ignored on read
    int low, high;
    const char *missing; // the string taken when the file lacks the key
};

constexpr int kSettingCount = 18; // in the order they are read
constexpr int kWrittenSettingCount = 17;

extern const SettingEntry kSettingEntries[kSettingCount];
// Indexes into kSettingEntries in the order the keys are written.
extern const int kSettingWriteOrder[kWrittenSettingCount];

// Converts a value read from the file for an integer key; false when it is out of the key's range.
bool ConvertSettingValue(const SettingEntry &entry, const char *value, int &number);
// Converts a value read from the file and stores it when it is acceptable.
void ApplySettingValue(const SettingEntry &entry, const char *value);
// The text written for an integer key (12 bytes).
void FormatSettingValue(const SettingEntry &entry, char *out);

// Reads every key of the settings file's bytes into its variable, in the read order.
void ReadSettingKeys(const std::string &file);
// Writes every integer key into the settings file's bytes, in the write order.
void WriteSettingKeys(std::string &file);
