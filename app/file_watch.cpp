#include "app/file_watch.h"

#include "app/notes_sync.h"
#include "platform/file_look.h"
#include "platform/program.h"
#include "platform/program_files.h"

constexpr UINT_PTR kFileLookTimerId = 9308; // on mainWindow
constexpr UINT kFileLookMs = 3000;

static HANDLE notice;

static void CALLBACK LookAgain(HWND, UINT, UINT_PTR, DWORD) {
    TakeInOtherWriters();
}

void StartWatchingFiles() {
    SetTimer(mainWindow, kFileLookTimerId, kFileLookMs, LookAgain);
    notice = WatchFolderOf(notesPath);
    if (notice == INVALID_HANDLE_VALUE) notice = nullptr; // the periodic look serves alone
}

void StopWatchingFiles() {
    KillTimer(mainWindow, kFileLookTimerId);
    if (notice) StopWatching(notice);
    notice = nullptr;
}

HANDLE FolderChangeNotice() {
    return notice;
}

// A save is a write and a rename, so a notice often stands for several changes: one look at the
// files takes them all in.
void OnFolderChanged() {
    if (!WatchNextChange(notice)) {
        StopWatching(notice); // the periodic look goes on alone
        notice = nullptr;
    }
    TakeInOtherWriters();
}
