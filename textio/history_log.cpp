#include "textio/history_log.h"

char historyText[1024];
int restoreToNewNote;

void AppendToLog(int) {}

INT_PTR HistoryDialog(HWND) { return 0; }
