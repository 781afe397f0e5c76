// The default-attributes file: one 156-byte record whose mask says which fields count.
#pragma once
#include <cstddef>
#include <cstdint>

#include "store/note_record.h"

enum DefaultsMask : uint16_t {
    kMaskTaskbar = 0x0001,
    kMaskWrap = 0x0002,
    kMaskX = 0x0100,
    kMaskY = 0x0200,
    kMaskWidth = 0x0400,
    kMaskHeight = 0x0800,
    kMaskDisplayMode = 0x1000,
    kMaskBackColor = 0x2000,
    kMaskFont = 0x4000,
    kMaskFontDialog = 0x8000,
};

#pragma pack(push, 1)
struct DefaultsRecord {
    uint16_t fieldMask;
    uint8_t taskbarFlag;
    uint8_t wrapFlag;
    uint8_t unused1[8];
    int32_t x, y, width, height;
    uint16_t displayMode;
    uint8_t unused2[2];
    uint32_t backColor;
    LogFontBytes font;
    FontDialogBytes fontDialog;
};
#pragma pack(pop)

static_assert(sizeof(DefaultsRecord) == 156, "the defaults file is 156 bytes");
static_assert(offsetof(DefaultsRecord, taskbarFlag) == 2 && offsetof(DefaultsRecord, wrapFlag) == 3, "flags");
static_assert(offsetof(DefaultsRecord, x) == 12 && offsetof(DefaultsRecord, height) == 24, "geometry");
static_assert(offsetof(DefaultsRecord, displayMode) == 28, "display mode");
static_assert(offsetof(DefaultsRecord, backColor) == 32, "background colour");
static_assert(offsetof(DefaultsRecord, font) == 36 && offsetof(DefaultsRecord, fontDialog) == 96, "fonts");
static_assert(offsetof(DefaultsRecord, fontDialog) + offsetof(FontDialogBytes, rgbColors) == 120, "colour");

// The template for new notes: what a new note takes unless it inherits it.
struct TemplateNote {
    int x, y, width, height;
    uint32_t backColor;
    LogFontBytes font;
    FontDialogBytes fontDialog; // only its text colour is the template's own
};

constexpr int kBuiltInX = 150, kBuiltInY = 100, kBuiltInWidth = 220, kBuiltInHeight = 66;

// Builds the record of the masked fields of a note; every other byte is zero.
DefaultsRecord MakeDefaultsRecord(const NoteRecord &note, uint16_t mask);

// Applies the masked fields of a record read from the file: geometry, colour and fonts to the
// template, the taskbar, wrap and display-mode fields to the inheritance settings.
void ApplyDefaultsRecord(const DefaultsRecord &record, TemplateNote &to);
