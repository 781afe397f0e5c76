// The fixed-size note record: one slot of the note tables and, byte for byte, one record of the
// notes file. No platform headers here; the Win32 side asserts that the font blocks match.
#pragma once
#include <cstddef>
#include <cstdint>

constexpr int kTextSize = 1024;     // text field, NUL included
constexpr int kMaxTextBytes = 1023; // every cut of a note text is at this many bytes
constexpr int kTableSlots = 100;
constexpr int kMaxNotes = 99;

enum DisplayMode : uint16_t { kModeNormal = 0, kModeTopmost = 1, kModeWallpaper = 2 };

// Byte mirror of the platform's LOGFONTA.
struct LogFontBytes {
    int32_t lfHeight;
    int32_t lfWidth;
    int32_t lfEscapement;
    int32_t lfOrientation;
    int32_t lfWeight;
    uint8_t lfItalic;
    uint8_t lfUnderline;
    uint8_t lfStrikeOut;
    uint8_t lfCharSet;
    uint8_t lfOutPrecision;
    uint8_t lfClipPrecision;
    uint8_t lfQuality;
    uint8_t lfPitchAndFamily;
    char lfFaceName[32];
};

// Byte mirror of the platform's CHOOSEFONTA in its 32-bit layout; pointers and handles are
// stored as 32-bit values and mean nothing on disk.
struct FontDialogBytes {
    uint32_t lStructSize;
    uint32_t hwndOwner;
    uint32_t hDC;
    uint32_t lpLogFont;
    int32_t iPointSize;
    uint32_t Flags;
    uint32_t rgbColors; // the note's text colour
    uint32_t lCustData;
    uint32_t lpfnHook;
    uint32_t lpTemplateName;
    uint32_t hInstance;
    uint32_t lpszStyle;
    uint16_t nFontType;
    uint16_t alignment;
    int32_t nSizeMin;
    int32_t nSizeMax;
};

struct CreationTime {
    uint16_t year, month, day, hour, minute, second;
};

struct NoteRecord {
    uint32_t window; // the note's window handle, valid only in this run
    char text[kTextSize];
    uint8_t taskbarFlag; // exactly 1: taskbar button unless in wallpaper mode
    uint8_t wrapFlag;
    uint8_t reserved[2];
    CreationTime created;
    int32_t x, y, width, height;
    uint32_t displayMode; // only the low 16 bits count
    uint32_t backColor;   // RGB, red in the low byte
    LogFontBytes font;
    FontDialogBytes fontDialog;
};

static_assert(sizeof(LogFontBytes) == 60, "LOGFONTA is 60 bytes");
static_assert(sizeof(FontDialogBytes) == 60, "CHOOSEFONTA is 60 bytes in 32-bit code");
static_assert(offsetof(FontDialogBytes, lpLogFont) == 12 && offsetof(FontDialogBytes, rgbColors) == 24,
              "CHOOSEFONTA members");
static_assert(sizeof(NoteRecord) == 1188, "record size is the file format");
static_assert(offsetof(NoteRecord, text) == 4, "text offset");
static_assert(offsetof(NoteRecord, taskbarFlag) == 1028, "taskbar flag offset");
static_assert(offsetof(NoteRecord, wrapFlag) == 1029, "wrap flag offset");
static_assert(offsetof(NoteRecord, created) == 1032, "creation time offset");
static_assert(offsetof(NoteRecord, x) == 1044 && offsetof(NoteRecord, y) == 1048, "position offsets");
static_assert(offsetof(NoteRecord, width) == 1052 && offsetof(NoteRecord, height) == 1056, "size offsets");
static_assert(offsetof(NoteRecord, displayMode) == 1060, "display mode offset");
static_assert(offsetof(NoteRecord, backColor) == 1064, "background colour offset");
static_assert(offsetof(NoteRecord, font) == 1068, "LOGFONT offset");
static_assert(offsetof(NoteRecord, font) + offsetof(LogFontBytes, lfWidth) == 1072, "lfWidth offset");
static_assert(offsetof(NoteRecord, font) + offsetof(LogFontBytes, lfFaceName) == 1096, "face name offset");
static_assert(offsetof(NoteRecord, fontDialog) == 1128, "CHOOSEFONT offset");
static_assert(offsetof(NoteRecord, fontDialog) + offsetof(FontDialogBytes, lpLogFont) == 1140, "lpLogFont");
static_assert(offsetof(NoteRecord, fontDialog) + offsetof(FontDialogBytes, rgbColors) == 1152, "text colour");

inline uint16_t ModeOf(const NoteRecord &r) {
    return static_cast<uint16_t>(r.displayMode & 0xFFFF);
}
inline uint32_t TextColorOf(const NoteRecord &r) {
    return r.fontDialog.rgbColors;
}
inline bool TextIsEmpty(const NoteRecord &r) {
    return r.text[0] == '\0';
}
