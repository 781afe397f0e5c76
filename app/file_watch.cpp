#include "app/file_watch.h"

#include "app/notes_sync.h"
#include "platform/file_look.h"
#include "platform/program.h"
#include "platform/program_files.h"

constexpr UINT_PTR kFileLookTimerId = 9308; // on mainWindow
constexpr UINT kFileLookMs = 3000;

static HANDLE stopEvent, watcher;
// Set by the watcher when it posts a notice, cleared when the notice is handled: a burst of
// changes (a save is a write and a rename) is looked at once, not once per change.
static volatile LONG noticePending;

// The watcher only waits and posts; everything else happens on the window thread.
static DWORD WINAPI WatchFolder(void *change) {
    const HANDLE waits[2] = {stopEvent, change};
    while (WaitForMultipleObjects(2, waits, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
        if (InterlockedExchange(&noticePending, 1) == 0)
            PostMessageW(mainWindow, kFolderChangedMessage, 0, 0);
        if (!WatchNextChange(change)) break;
    }
    StopWatching(change);
    return 0;
}

static void CALLBACK LookAgain(HWND, UINT, UINT_PTR, DWORD) {
    TakeInOtherWriters();
}

void StartWatchingFiles() {
    SetTimer(mainWindow, kFileLookTimerId, kFileLookMs, LookAgain);
    const HANDLE change = WatchFolderOf(notesPath);
    if (change == INVALID_HANDLE_VALUE) return; // the periodic look serves alone
    stopEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    watcher = stopEvent ? CreateThread(nullptr, 0, WatchFolder, change, 0, nullptr) : nullptr;
    if (!watcher) StopWatching(change);
}

void StopWatchingFiles() {
    KillTimer(mainWindow, kFileLookTimerId);
    if (watcher) {
        SetEvent(stopEvent);
        WaitForSingleObject(watcher, INFINITE);
        CloseHandle(watcher);
    }
    if (stopEvent) CloseHandle(stopEvent);
    watcher = stopEvent = nullptr;
}

void OnFolderChanged() {
    InterlockedExchange(&noticePending, 0);
    TakeInOtherWriters();
}
