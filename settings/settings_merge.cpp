#include "settings/settings_merge.h"

#include "settings/profile_number.h"
#include "settings/profile_text.h"

SettingValues CurrentSettingValues() {
    SettingValues values;
    for (int i = 0; i < kWrittenSettingCount; ++i)
        values[i] = *kSettingEntries[i].variable;
    return values;
}

void SetSettingValues(const SettingValues &values) {
    for (int i = 0; i < kWrittenSettingCount; ++i)
        *kSettingEntries[i].variable = values[i];
}

SettingValues ReadSettingValues(const std::string &file, const SettingValues &start) {
    SettingValues values = start;
    for (int i = 0; i < kWrittenSettingCount; ++i) {
        const SettingEntry &entry = kSettingEntries[i];
        const std::string text =
            ProfileValue(file, entry.section, entry.key, entry.missing, kProfileValueSize);
        int number = 0;
        if (ConvertSettingValue(entry, text.c_str(), number)) values[i] = number;
    }
    return values;
}

SettingValues MergeSettingValues(const SettingValues &base, const SettingValues &theirs,
                                 const SettingValues &ours) {
    SettingValues merged = ours;
    for (int i = 0; i < kWrittenSettingCount; ++i)
        if (ours[i] == base[i]) merged[i] = theirs[i];
    return merged;
}
