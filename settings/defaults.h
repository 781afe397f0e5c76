// The template for new notes, the built-in values of all settings, and the screen size.
#pragma once
#include <windows.h>

#include "store/note_record.h"

struct TemplateNote {
    int x, y, width, height;
    uint32_t backColor;
    LogFontBytes font;
    FontDialogBytes fontDialog; // only its text colour is the template's own
};

extern TemplateNote templateNote;
extern int screenWidth, screenHeight;

// The template's built-in geometry, colour, stock system font and window-text colour.
void RestoreBuiltInTemplate();

// Puts every setting it owns back to its built-in value and empties the note tables.
void ResetDefaults();

// Copies the template's geometry, colour and fonts into a record, its LOGFONT pointer at its own.
void ApplyTemplateToRecord(NoteRecord &record);
