// Noticing that a file changed without reading it: a cheap look at its size and time, and a
// change notification on its folder that a message loop can wait on.
#pragma once
#include <windows.h>

// What a look at a file sees. Equal looks say the file is most likely unchanged; a different
// look is worth reading the file for.
struct FileLook {
    bool exists;
    ULONGLONG size;
    ULONGLONG written; // last write time, in the platform's 100 ns units
    // Which file on its volume: a file replaced whole (a scratch file renamed over it, as this
    // program and most sync tools save) is another file, even when its size is the same and its
    // time falls in the same tick of the file system's clock, which may be 15 ms long.
    ULONGLONG identity;
};

FileLook LookAtFile(const wchar_t *path);
// The look of a file this program holds open: what it wrote, whoever replaces it afterwards.
FileLook LookAtOpenFile(HANDLE file);

inline bool operator==(const FileLook &a, const FileLook &b) {
    return a.exists == b.exists && a.size == b.size && a.written == b.written && a.identity == b.identity;
}
inline bool operator!=(const FileLook &a, const FileLook &b) {
    return !(a == b);
}

// A handle that is signalled when a file in the folder of the path is written, changes size or
// is created, removed or renamed (a replace through a scratch file is a rename). Wait on it, for
// instance with MsgWaitForMultipleObjects. INVALID_HANDLE_VALUE when the folder cannot be
// watched; some network and synced folders never signal, so a periodic look stays needed.
HANDLE WatchFolderOf(const wchar_t *path);
// Once the handle was signalled: asks for the next change. False when the watch has failed.
bool WatchNextChange(HANDLE watch);
void StopWatching(HANDLE watch);
