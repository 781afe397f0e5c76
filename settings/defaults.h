// The template for new notes, the built-in values of all settings, and the screen size.
#pragma once
#include <windows.h>

#include "settings/defaults_record.h"

extern TemplateNote templateNote;
extern int screenWidth, screenHeight;

// The template's built-in geometry, colour, stock system font and window-text colour.
void RestoreBuiltInTemplate();

// Puts every setting it owns back to its built-in value and empties the note tables.
void ResetDefaults();

// Copies the template's geometry, colour and fonts into a record, its LOGFONT pointer at its own.
void ApplyTemplateToRecord(NoteRecord &record);
