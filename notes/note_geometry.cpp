#include "notes/note_geometry.h"

#include <algorithm>
#include <cstdint>

NoteRect CorrectPlacement(NoteRect r, const ScreenRect &monitor) {
    int64_t x = r.x;
    if (int64_t{r.y} + r.height > monitor.bottom) {
        r.y = monitor.top;
        x += 16;
    }
    if (x + r.width > monitor.right || x > INT32_MAX) x = monitor.left;
    r.x = static_cast<int>(x);
    return r;
}

namespace {

// The note's extent on the screen: a window is never less than a pixel here, so that a note of
// no size still has a place that a monitor shows or not.
struct Span {
    int64_t low, high; // high is just past the end
};

Span SpanOf(int start, int extent) {
    return {start, int64_t{start} + std::max(extent, 1)};
}

// How far the span lies outside [low, high); 0 when they meet.
int64_t GapTo(const Span &span, int low, int high) {
    if (span.high <= low) return low - span.high + 1;
    if (span.low >= high) return span.low - high + 1;
    return 0;
}

// The start that keeps an extent inside [low, high) and nearest to where it was.
int64_t Within(int64_t start, int64_t extent, int low, int high) {
    return std::max<int64_t>(low, std::min<int64_t>(start, high - extent));
}

} // namespace

NoteRect BringIntoReach(NoteRect r, const std::vector<MonitorArea> &monitors) {
    const Span across = SpanOf(r.x, r.width), down = SpanOf(r.y, r.height);
    const MonitorArea *nearest = nullptr;
    double nearestDistance = 0;
    for (const MonitorArea &m : monitors) {
        const int64_t dx = GapTo(across, m.whole.left, m.whole.right);
        const int64_t dy = GapTo(down, m.whole.top, m.whole.bottom);
        if (dx == 0 && dy == 0) return r; // shown there, at least in part
        // In floating point: gaps from a file's positions may reach 2^32, their squares 2^64.
        const double distance = static_cast<double>(dx) * dx + static_cast<double>(dy) * dy;
        if (!nearest || distance < nearestDistance) {
            nearestDistance = distance;
            nearest = &m;
        }
    }
    if (!nearest) return r;
    const ScreenRect &work = nearest->work;
    r.width = static_cast<int>(std::min<int64_t>(r.width, work.right - work.left));
    r.height = static_cast<int>(std::min<int64_t>(r.height, work.bottom - work.top));
    r.x = static_cast<int>(Within(r.x, std::max(r.width, 0), work.left, work.right));
    r.y = static_cast<int>(Within(r.y, std::max(r.height, 0), work.top, work.bottom));
    return r;
}

int NewNoteExtent(int extent, int builtInExtent) {
    return extent < kMinNoteExtent ? builtInExtent : extent;
}

bool InGripZone(int x, int y, int clientWidth, int clientHeight) {
    return x > clientWidth - kGripSize && y > clientHeight - kGripSize;
}

bool PointerOnScreen(int x, int y, const ScreenRect &screen) {
    return x >= screen.left && y >= screen.top && x <= screen.right && y <= screen.bottom;
}

int ResizedExtent(int extent, int travel) {
    const int result = extent + travel;
    return result < kMinNoteExtent ? kMinNoteExtent : result;
}
