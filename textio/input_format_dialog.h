// Dialog 110: chooses one of the nine date-stamp formats and makes the stamp of the local time.
#pragma once
#include <windows.h>

#include "textio/date_stamp.h"

extern char stampText[kStampTextSize]; // the stamp of the last OK; kept otherwise

// Runs the dialog over the memo dialog; 1 after OK or a double click in the list, 0 otherwise.
INT_PTR RunInputFormatDialog(HWND owner);
