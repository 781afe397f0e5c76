#include "settings/defaults.h"

#include "platform/program.h"
#include "platform/wide_text.h"
#include "settings/arrangement_choices.h"
#include "settings/settings.h"
#include "store/note_table.h"

#include <cstring>

TemplateNote templateNote;
COLORREF customColors[16];

constexpr uint32_t kBuiltInBackColor = 0x80FFFF; // light yellow

void RestoreBuiltInTemplate() {
    templateNote.x = kBuiltInX;
    templateNote.y = kBuiltInY;
    templateNote.width = kBuiltInWidth;
    templateNote.height = kBuiltInHeight;
    templateNote.backColor = kBuiltInBackColor;
    LOGFONTW systemFont = {};
    GetObjectW(GetStockObject(SYSTEM_FONT), sizeof systemFont, &systemFont);
    templateNote.font = LogFontBytes{};
    TakeWideLogFont(systemFont, *reinterpret_cast<LOGFONTA *>(&templateNote.font));
    templateNote.fontDialog.rgbColors = GetSysColor(COLOR_WINDOWTEXT);
}

static void ResetSettingsVariables() {
    inheritDisplayMode = inheritTaskbar = inheritBackColor = inheritWrap = 0;
    inheritPosition = inheritFont = 1;
    arrangeCorner = kCornerTopRight;
    arrangeDirection = kDirectionDown;
    noteSpacing = 3;
    arrangeFromFirst = arrangeAfterSheet = 0;
    sortKey = kSortByCreation;
    sortOrder = kSortAscending;
}

void ResetDefaults() {
    ResetSettingsVariables();
    noteCount = 0;
    recordsToSave = 0;
    screenWidth = GetSystemMetrics(SM_CXSCREEN);
    screenHeight = GetSystemMetrics(SM_CYSCREEN);
    std::memset(customColors, 0, sizeof customColors);
    std::memset(NoteTable, 0, kTableBytes);
    std::memset(UndoTable, 0, kTableBytes);
    RestoreBuiltInTemplate();
}

void ApplyTemplateToRecord(NoteRecord &record) {
    record.x = templateNote.x;
    record.y = templateNote.y;
    record.width = templateNote.width;
    record.height = templateNote.height;
    record.backColor = templateNote.backColor;
    record.font = templateNote.font;
    record.fontDialog = templateNote.fontDialog;
    PointFontDialogAtOwnFont(record);
}
