// Watching the folder of the notes file, so that another writer's changes are taken in while the
// program runs: a change notice on the folder, and a look every few seconds besides, since some
// network and synced folders never give notice.
#pragma once
#include <windows.h>

// Posted to the main window when the folder changed.
constexpr UINT kFolderChangedMessage = WM_APP + 2;

void StartWatchingFiles();
void StopWatchingFiles();

// The answer to kFolderChangedMessage: the next notice may be posted again.
void OnFolderChanged();
