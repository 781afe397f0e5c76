#include "settings/defaults_record.h"

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
