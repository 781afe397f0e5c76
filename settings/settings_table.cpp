#include "settings/settings_table.h"

#include "settings/arrangement_choices.h"
#include "settings/profile_number.h"
#include "settings/profile_text.h"
#include "settings/settings.h"

#include <cstring>

int inheritPosition = 1, inheritDisplayMode = 0, inheritTaskbar = 0, inheritBackColor = 0, inheritFont = 1,
    inheritWrap = 0;
int openEmptyFirst = 0, openInputAtOnce = 0;
int arrangeCorner = kCornerTopRight, arrangeDirection = kDirectionDown, noteSpacing = 3, arrangeFromFirst = 0,
    arrangeAfterSheet = 0;
int sortKey = kSortByCreation, sortOrder = kSortAscending;
int logEnabled = 0, imeControl = 0;
char backgroundBitmapPath[kBitmapPathSize];

static const char kCreation[] = "作成方法";
static const char kArrangement[] = "整列方法";
static const char kOther[] = "その他";

const SettingEntry kSettingEntries[kSettingCount] = {
    {kCreation, "作成位置", &inheritPosition, 0, false, 0, 0, "1"},
    {kCreation, "表示モード", &inheritDisplayMode, 0, false, 0, 0, "0"},
    {kCreation, "タスクバー表示", &inheritTaskbar, 0, false, 0, 0, "0"},
    {kCreation, "背景色", &inheritBackColor, 0, false, 0, 0, "0"},
    {kCreation, "フォント", &inheritFont, 0, false, 0, 0, "1"},
    {kCreation, "折り返し", &inheritWrap, 0, false, 0, 0, "0"},
    {kCreation, "１枚目を開く", &openEmptyFirst, 0, false, 0, 0, "1"},
    {kCreation, "メモ入力", &openInputAtOnce, 0, false, 0, 0, "0"},
    {kArrangement, "位置", &arrangeCorner, kCornerTopLeft, true, kCornerTopLeft, kCornerBottomLeft, "1"},
    {kArrangement, "方向", &arrangeDirection, kDirectionRight, true, kDirectionRight, kDirectionUp, "1"},
    {kArrangement, "間隔", &noteSpacing, 0, true, 0, 63, "3"},
    {kArrangement, "１枚目", &arrangeFromFirst, 0, false, 0, 0, "0"},
    {kArrangement, "すぐ整列", &arrangeAfterSheet, 0, false, 0, 0, "1"},
    {kArrangement, "ソート方法", &sortKey, kSortByCreation, true, kSortByCreation, kSortByColor, "0"},
    {kArrangement, "ソート順", &sortOrder, kSortAscending, true, kSortAscending, kSortDescending, "0"},
    {kOther, "ログ", &logEnabled, 0, false, 0, 0, "0"},
    {kOther, "ＩＭＥ", &imeControl, 0, false, 0, 0, "0"},
    {kOther, "背景BMP", nullptr, 0, false, 0, 0, ""},
};

// "すぐ整列" is written before "１枚目", although it is read after it.
const int kSettingWriteOrder[kWrittenSettingCount] = {0, 1,  2,  3,  4,  5,  6,  7, 8,
                                                      9, 10, 12, 11, 13, 14, 15, 16};

bool ConvertSettingValue(const SettingEntry &entry, const char *value, int &number) {
    // The sum wraps like the 32-bit arithmetic it stands for.
    number = static_cast<int>(static_cast<uint32_t>(ParseProfileNumber(value)) +
                              static_cast<uint32_t>(entry.base));
    return !entry.ranged || (number >= entry.low && number <= entry.high);
}

void ApplySettingValue(const SettingEntry &entry, const char *value) {
    if (!entry.variable) {
        std::strncpy(backgroundBitmapPath, value, kBitmapPathSize - 1);
        backgroundBitmapPath[kBitmapPathSize - 1] = '\0';
        return;
    }
    int number = 0;
    if (ConvertSettingValue(entry, value, number)) *entry.variable = number;
}

void FormatSettingValue(const SettingEntry &entry, char *out) {
    FormatProfileNumber(entry.variable ? *entry.variable - entry.base : 0, out);
}

void ReadSettingKeys(const std::string &file) {
    for (const SettingEntry &entry : kSettingEntries) {
        const size_t size = entry.variable ? kProfileValueSize : kBitmapPathSize;
        ApplySettingValue(entry, ProfileValue(file, entry.section, entry.key, entry.missing, size).c_str());
    }
}

void WriteSettingKeys(std::string &file) {
    for (int index : kSettingWriteOrder) {
        const SettingEntry &entry = kSettingEntries[index];
        char value[12];
        FormatSettingValue(entry, value);
        SetProfileValue(file, entry.section, entry.key, value);
    }
}
