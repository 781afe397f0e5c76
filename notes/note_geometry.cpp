#include "notes/note_geometry.h"

#include <cstdint>

NoteRect CorrectPlacement(NoteRect r, int screenWidth, int screenHeight) {
    int64_t x = r.x;
    if (int64_t{r.y} + r.height > screenHeight) {
        r.y = 0;
        x += 16;
    }
    if (x + r.width > screenWidth || x > INT32_MAX) x = 0;
    r.x = static_cast<int>(x);
    return r;
}

int NewNoteExtent(int extent, int builtInExtent) {
    return extent < kMinNoteExtent ? builtInExtent : extent;
}

bool InGripZone(int x, int y, int clientWidth, int clientHeight) {
    return x > clientWidth - kGripSize && y > clientHeight - kGripSize;
}

bool PointerOnScreen(int x, int y, int screenWidth, int screenHeight) {
    return x >= 0 && y >= 0 && x <= screenWidth && y <= screenHeight;
}

int ResizedExtent(int extent, int travel) {
    const int result = extent + travel;
    return result < kMinNoteExtent ? kMinNoteExtent : result;
}
