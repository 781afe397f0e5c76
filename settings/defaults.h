// The template for new notes, the built-in values of all settings, and the custom colours.
#pragma once
#include <windows.h>

#include "settings/defaults_record.h"

extern TemplateNote templateNote;
// The colour dialog's custom colours, kept for the run.
extern COLORREF customColors[16];

// The template's built-in geometry, colour, stock system font and window-text colour.
void RestoreBuiltInTemplate();

// Puts every setting it owns back to its built-in value, empties the note tables and the custom
// colours, and reads the screen size.
void ResetDefaults();

// Copies the template's geometry, colour and fonts into a record, its LOGFONT pointer at its own.
void ApplyTemplateToRecord(NoteRecord &record);
