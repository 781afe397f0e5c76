// Merging the settings file that another writer changed with this copy's settings, key by key.
#pragma once
#include <array>
#include <string>

#include "settings/settings_table.h"

// The values of the integer keys, indexed as kSettingEntries (the bitmap path, last there, is
// text and not among them).
using SettingValues = std::array<int, kWrittenSettingCount>;

// The values the settings variables hold now.
SettingValues CurrentSettingValues();
// Puts the values into the settings variables.
void SetSettingValues(const SettingValues &values);

// What reading the file's bytes into variables that hold `start` leaves there: a missing key
// takes its missing string; a value out of its key's range leaves the start value.
SettingValues ReadSettingValues(const std::string &file, const SettingValues &start);

// Key by key: a key changed there (theirs is not base) and not here (ours is base) takes
// theirs; every other key keeps ours.
SettingValues MergeSettingValues(const SettingValues &base, const SettingValues &theirs,
                                 const SettingValues &ours);
