// Dialog 110: chooses one of the nine date-stamp formats and makes the stamp of the local time.
#pragma once
#include <windows.h>

#include "textio/date_stamp.h"

// Runs the dialog over the memo dialog; 1 after OK or a double click in the list, with the stamp
// in stampText, 0 otherwise with stampText untouched. Each opening fills only its own stampText,
// so the memo dialogs of two notes may each have theirs open.
INT_PTR RunInputFormatDialog(HWND owner, char (&stampText)[kStampTextSize]);
