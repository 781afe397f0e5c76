// Any value in the settings file, for every key.
#include "settings/settings_table.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string value(reinterpret_cast<const char *>(data), size);
    for (const SettingEntry &entry : kSettingEntries)
        ApplySettingValue(entry, value.c_str());
    return 0;
}
