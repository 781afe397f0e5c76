// Any settings file, read and written back as the program loads and saves it: every key written
// reads back as written, and writing the same keys a second time changes no byte. The merge's
// reading of the file gives what loading it gives.
#include "settings/profile_number.h"
#include "settings/profile_text.h"
#include "settings/settings.h"
#include "settings/settings_merge.h"
#include "settings/settings_table.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

// The program's section and key names, each once.
static std::vector<std::string> ProgramNames() {
    std::vector<std::string> names;
    for (const SettingEntry &entry : kSettingEntries) {
        if (names.empty() || names.back() != entry.section) names.push_back(entry.section);
        names.push_back(entry.key);
    }
    return names;
}

// The byte 0x01 and the byte after it stand for one of the program's names, so that the fuzzer
// reaches files whose sections and keys the program reads; every other byte is itself.
static std::string ExpandNames(const uint8_t *data, size_t size) {
    static const std::vector<std::string> names = ProgramNames();
    std::string file;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0x01 && i + 1 < size)
            file += names[data[++i] % names.size()];
        else
            file += static_cast<char>(data[i]);
    }
    return file;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::string file = ExpandNames(data, size);
    // The variables start from zero, so that a run depends on its input only.
    for (const SettingEntry &entry : kSettingEntries)
        if (entry.variable) *entry.variable = 0;
    ReadSettingKeys(file);
    SettingValues zero;
    zero.fill(0);
    if (ReadSettingValues(file, zero) != CurrentSettingValues()) std::abort();
    WriteSettingKeys(file);
    for (int index : kSettingWriteOrder) {
        const SettingEntry &entry = kSettingEntries[index];
        char value[12];
        FormatSettingValue(entry, value);
        if (ProfileValue(file, entry.section, entry.key, "", kProfileValueSize) != value) std::abort();
    }
    const std::string saved = file;
    WriteSettingKeys(file);
    if (file != saved) std::abort();
    return 0;
}
