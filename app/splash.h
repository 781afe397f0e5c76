// The one-second splash window, shown at start-up and from the tray icon.
#pragma once

void ShowSplash();
