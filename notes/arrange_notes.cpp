#include "notes/arrange_notes.h"

void ArrangeNotes(HWND) {}
