#include "settings/defaults_record.h"

#include "settings/settings.h"

#include <cstring>

DefaultsRecord MakeDefaultsRecord(const NoteRecord &note, uint16_t mask) {
    DefaultsRecord r;
    std::memset(&r, 0, sizeof r);
    r.fieldMask = mask;
    if (mask & kMaskTaskbar) r.taskbarFlag = note.taskbarFlag;
    if (mask & kMaskWrap) r.wrapFlag = note.wrapFlag;
    if (mask & kMaskX) r.x = note.x;
    if (mask & kMaskY) r.y = note.y;
    if (mask & kMaskWidth) r.width = note.width;
    if (mask & kMaskHeight) r.height = note.height;
    if (mask & kMaskDisplayMode) r.displayMode = ModeOf(note);
    if (mask & kMaskBackColor) r.backColor = note.backColor;
    if (mask & kMaskFont) r.font = note.font;
    if (mask & kMaskFontDialog) r.fontDialog = note.fontDialog;
    return r;
}

void ApplyDefaultsRecord(const DefaultsRecord &r, TemplateNote &to) {
    const uint16_t mask = r.fieldMask;
    if (mask & kMaskTaskbar) inheritTaskbar = static_cast<int8_t>(r.taskbarFlag);
    if (mask & kMaskWrap) inheritWrap = static_cast<int8_t>(r.wrapFlag);
    if (mask & kMaskX) to.x = r.x;
    if (mask & kMaskY) to.y = r.y;
    if (mask & kMaskWidth) to.width = r.width;
    if (mask & kMaskHeight) to.height = r.height;
    if (mask & kMaskDisplayMode) inheritDisplayMode = r.displayMode;
    if (mask & kMaskBackColor) to.backColor = r.backColor;
    if (mask & kMaskFont) to.font = r.font;
    if (mask & kMaskFontDialog) to.fontDialog = r.fontDialog;
}
