#include "textio/memo_input.h"

char editBuffer[1024];

INT_PTR RunMemoInputDialog(HWND) { return 0; }
