#include "textio/date_stamp.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "store/note_record.h"

static const char *const kStampFormats[kStampFormatCount] = {
    "%02d年 %d月 %d日", "%02d年 %d月 %d日 %d時 %d分", "%02d年 %d月 %d日 %d時 %d分 %02d秒",
    "%02d/%02d/%02d",   "%02d/%02d/%02d %d:%02d",     "%02d/%02d/%02d %d:%02d:%02d",
    "%d/%02d/%02d",     "%d/%02d/%02d %d:%02d%s",     "%d/%02d/%02d %d:%02d:%02d%s",
};

bool FormatDateStamp(int format, const LocalTime &t, bool fourDigitYear, char *out, size_t outSize) {
    if (format < 0 || format >= kStampFormatCount) return false;
    const int year = fourDigitYear ? t.year : t.year % 100;
    // The 12-hour formats count 12:xx as 0:xx pm and midnight as 0:xx am.
    const int hour12 = t.hour % 12;
    const char *suffix = t.hour >= 12 ? "pm" : "am";
    const char *f = kStampFormats[format];
    switch (format) {
    case 0:
    case 3: std::snprintf(out, outSize, f, year, t.month, t.day); break;
    case 1:
    case 4: std::snprintf(out, outSize, f, year, t.month, t.day, t.hour, t.minute); break;
    case 2:
    case 5: std::snprintf(out, outSize, f, year, t.month, t.day, t.hour, t.minute, t.second); break;
    case 6: std::snprintf(out, outSize, f, t.month, t.day, year); break;
    case 7: std::snprintf(out, outSize, f, t.month, t.day, year, hour12, t.minute, suffix); break;
    case 8: std::snprintf(out, outSize, f, t.month, t.day, year, hour12, t.minute, t.second, suffix); break;
    }
    return true;
}

void CutToNoteText(const char *text, size_t length, char *out) {
    const size_t kept = length < static_cast<size_t>(kMaxTextBytes) ? length : kMaxTextBytes;
    std::memcpy(out, text, kept);
    out[kept] = '\0';
}

void PrependStamp(const char *stamp, const char *text, char *out) {
    std::string joined = stamp;
    joined += "\r\n";
    joined += text;
    CutToNoteText(joined.data(), joined.size(), out);
}
