#include "settings/default_settings_dialog.h"

INT_PTR DefaultSettingsDialog(HWND) { return 0; }
