#include "notes/background_bitmap.h"

#include "platform/wide_text.h"

BYTE *backgroundBitmap;
DWORD backgroundBitmapSize;
int backgroundBitmapLoaded;

static HGLOBAL bitmapBlock;

void ReleaseBackgroundBitmap() {
    if (bitmapBlock) {
        GlobalUnlock(bitmapBlock);
        GlobalFree(bitmapBlock);
    }
    bitmapBlock = nullptr;
    backgroundBitmap = nullptr;
    backgroundBitmapSize = 0;
    backgroundBitmapLoaded = 0;
}

void LoadBackgroundBitmap(const char *path) {
    HANDLE file =
        CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    // A file of 4 GiB or more cannot be held in one block: it is not loaded, like an empty one.
    LARGE_INTEGER fileSize = {};
    const bool storable =
        GetFileSizeEx(file, &fileSize) && fileSize.QuadPart > 0 && fileSize.QuadPart <= MAXDWORD;
    const DWORD size = storable ? static_cast<DWORD>(fileSize.QuadPart) : 0;
    bitmapBlock = storable ? GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size) : nullptr;
    backgroundBitmap = bitmapBlock ? static_cast<BYTE *>(GlobalLock(bitmapBlock)) : nullptr;
    DWORD read = 0;
    if (!backgroundBitmap || !ReadFile(file, backgroundBitmap, size, &read, nullptr)) {
        ReleaseBackgroundBitmap();
        CloseHandle(file);
        return;
    }
    CloseHandle(file);
    backgroundBitmapSize = read; // a short read is accepted
    backgroundBitmapLoaded = 1;
}
