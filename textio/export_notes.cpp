#include "textio/export_notes.h"

void RunExportSequence(HWND) {}
