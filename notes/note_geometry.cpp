#include "notes/note_geometry.h"

NoteRect CorrectPlacement(NoteRect r, int screenWidth, int screenHeight) {
    if (r.y + r.height > screenHeight) {
        r.y = 0;
        r.x += 16;
    }
    if (r.x + r.width > screenWidth) r.x = 0;
    return r;
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
