// Watching the folder of the notes file, so that another writer's changes are taken in while the
// program runs: a change notice on the folder, which the message loop waits for beside the
// messages, and a look every few seconds besides, since some network and synced folders never
// give notice and dialogs run loops of their own.
#pragma once
#include <windows.h>

void StartWatchingFiles();
void StopWatchingFiles();

// The folder's change notice, to be waited for with the messages; null when there is none.
HANDLE FolderChangeNotice();
// When the notice came: takes in the change and asks for the next notice.
void OnFolderChanged();
