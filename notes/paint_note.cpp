#include "notes/paint_note.h"

#include "notes/background_bitmap.h"
#include "notes/bitmap_file.h"
#include "notes/date_macro.h"
#include "notes/edge_colors.h"
#include "notes/line_layout.h"
#include "notes/note_font.h"
#include "notes/note_title.h"
#include "platform/program.h"
#include "platform/wide_text.h"
#include "store/note_table.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

int timerRepaintPending;
SYSTEMTIME lastClockReading;
static UINT_PTR dateTimer; // without a window the platform picks the id, so it is kept to stop it

constexpr int kTextMargin = 3; // text starts inside the two-pixel edge
constexpr int kWrapMargin = 5; // wrapped lines end this far short of the client width
constexpr int kEdgeWidth = 2;  // the 3-D edge is the outer two pixels
constexpr int kTimerInset = 3; // the timer never repaints the edge
constexpr UINT_PTR kDateTimerId = 9305;
constexpr UINT kTickMs = 1000;
// A skipped repaint is asked for again this long after the second turns, so that the timer's
// rounding never brings it back while the clock still shows the old second.
constexpr UINT kSecondTurnMarginMs = 20;

// ---- Date macros ----

static ClockReading ReadingOf(const SYSTEMTIME &t) {
    return {t.wYear, t.wMonth, t.wDayOfWeek, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

int ExpandDateMacro(HWND, char *text) {
    if (!timerMode) return 1;
    const WORD previousSecond = lastClockReading.wSecond;
    GetLocalTime(&lastClockReading);
    const int changed = lastClockReading.wSecond != previousSecond;
    const int macro = DateMacroOf(text);
    if (macro == 0) return 1;
    FormatDateMacro(macro, ReadingOf(lastClockReading), text, kTextSize);
    return changed;
}

// The part of a note the timer repaints: everything inside the edge.
static RECT InnerRect(HWND window) {
    RECT inner;
    GetClientRect(window, &inner);
    InflateRect(&inner, -kTimerInset, -kTimerInset);
    return inner;
}

void CALLBACK DateMacroTimer(HWND, UINT, UINT_PTR, DWORD) {
    timerRepaintPending = 1;
    for (int i = 0; i < noteCount; ++i) {
        const HWND window = NoteWindowOf(NoteTable[i]);
        // A null window would stand for every window of the desktop.
        if (!window || DateMacroOf(NoteTable[i].text) == 0) continue;
        const RECT inner = InnerRect(window);
        InvalidateRect(window, &inner, FALSE);
    }
}

bool StartDateMacroTimer() {
    dateTimer = SetTimer(nullptr, kDateTimerId, kTickMs, DateMacroTimer);
    return dateTimer != 0;
}

void StopDateMacroTimer() {
    KillTimer(nullptr, dateTimer);
    dateTimer = 0;
}

// One shot: the repaints skipped in the previous second are asked for again, as a tick would.
// The clock then ticks on from here, just past the turn of a second: left where it was, each of
// its ticks would fall in the second this retry has drawn, be put off and be retried in turn.
static void CALLBACK RetryDateMacroRepaint(HWND window, UINT, UINT_PTR id, DWORD) {
    KillTimer(window, id);
    if (dateTimer) SetTimer(nullptr, dateTimer, kTickMs, DateMacroTimer); // the same timer, restarted
    DateMacroTimer(nullptr, 0, 0, 0);
}

// A timer repaint skipped in the same second is taken off the update region and asked for
// again just after the second turns. Left pending, the platform would ask for it again at once,
// over and over, keeping a core busy until the clock reached the next second.
static void DeferTimerRepaint(HWND window) {
    const RECT inner = InnerRect(window);
    ValidateRect(window, &inner);
    const UINT untilNextSecond = 1000 - lastClockReading.wMilliseconds + kSecondTurnMarginMs;
    SetTimer(mainWindow, kDateRetryTimerId, untilNextSecond, RetryDateMacroRepaint);
}

// ---- Drawing ----

struct BitmapInfo256 {
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
};

// The platform is given copies of the checked header and colour table, so it reads no more
// than what was found inside the loaded file.
static HBITMAP DecodeBackgroundBitmap(HDC dc, BitmapParts *parts) {
    if (!LocateBitmapParts(backgroundBitmap, backgroundBitmapSize, parts)) return nullptr;
    BitmapInfo256 info = {};
    std::memcpy(&info.header, backgroundBitmap + kBitmapFileHeaderSize, kBitmapInfoHeaderSize);
    info.header.biSize = sizeof info.header; // the colour table follows these 40 bytes
    info.header.biClrUsed = 0;               // the table is as long as the bit count implies
    // Run-length data is read up to its stated size, which was found inside the file.
    info.header.biSizeImage =
        parts->compression == kBitmapUncompressed ? 0 : static_cast<DWORD>(parts->pixelBytes);
    std::memcpy(info.colors, backgroundBitmap + kColorTableOffset, parts->colorCount * sizeof(RGBQUAD));
    return CreateDIBitmap(dc, &info.header, CBM_INIT, backgroundBitmap + parts->pixelOffset,
                          reinterpret_cast<const BITMAPINFO *>(&info), DIB_RGB_COLORS);
}

static void DrawBackgroundBitmap(HDC dc, int width, int height) {
    BitmapParts parts;
    HBITMAP bitmap = DecodeBackgroundBitmap(dc, &parts);
    if (!bitmap) return;
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    // Where the note is larger than the bitmap the background fill shows: it is copied
    // unscaled from its top-left corner, never stretched or tiled.
    const int rows = parts.height < 0 ? -parts.height : parts.height;
    BitBlt(dc, 0, 0, std::min(width, static_cast<int>(parts.width)), std::min(height, rows), memory, 0, 0,
           SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(bitmap);
}

// The UTF-16 length of each prefix of the line. Code page 932 converts character by character and
// makes at least one unit of each, so a line of as many units as characters has one for each;
// otherwise each character is converted on its own.
static std::vector<int> WidePrefixLengths(const std::string &line, const std::vector<size_t> &ends,
                                          size_t wideLength) {
    std::vector<int> units;
    size_t from = 0, total = 0;
    for (size_t end : ends) {
        total += wideLength == ends.size() ? 1 : WideLength(line.data() + from, end - from);
        units.push_back(static_cast<int>(total));
        from = end;
    }
    return units;
}

// One measurement of the whole line gives the width of every prefix: the partial extents are
// what GetTextExtentPoint32W gives for each prefix alone.
static std::vector<int> PrefixWidths(HDC dc, const std::string &line, const std::vector<size_t> &ends) {
    const std::wstring wide = Wide(line);
    std::vector<int> extents(wide.size() + 1, 0);
    SIZE size = {0, 0};
    if (!wide.empty())
        GetTextExtentExPointW(dc, wide.data(), static_cast<int>(wide.size()), 0, nullptr, extents.data(),
                              &size);
    std::vector<int> widths;
    for (int units : WidePrefixLengths(line, ends, wide.size())) {
        units = std::min(units, static_cast<int>(wide.size()));
        widths.push_back(units > 0 ? extents[units - 1] : 0);
    }
    return widths;
}

// Draws the lines from (3, 3) down, one line step apart. Where a line breaks is decided on the
// Shift-JIS bytes; each line is measured and drawn as the characters they stand for.
static void DrawNoteText(HDC dc, const char *text, bool wrap, int clientWidth) {
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    const WORD lineStep = static_cast<WORD>(metrics.tmHeight + metrics.tmExternalLeading);
    const MeasurePrefixes measure = [dc](const std::string &line, const std::vector<size_t> &ends) {
        return PrefixWidths(dc, line, ends);
    };
    int y = kTextMargin;
    for (const std::string &line :
         LayOutLines(text, kTextSize, wrap, clientWidth - kWrapMargin, measure, IsCp932LeadByte)) {
        const std::wstring wide = Wide(line.data(), line.size());
        TextOutW(dc, kTextMargin, y, wide.data(), static_cast<int>(wide.size()));
        y += lineStep;
    }
}

// Background fill, the optional bitmap, then the text in the note's own font and colour.
static void DrawNoteContents(HWND window, HDC dc, NoteRecord &note, const char *text, const RECT &client) {
    HGDIOBJ previousFont = SelectObject(dc, NoteFontOf(window, *LogFontOf(note)));
    HBRUSH brush = CreateSolidBrush(note.backColor);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    SetBkMode(dc, TRANSPARENT);
    if (backgroundBitmapLoaded) DrawBackgroundBitmap(dc, client.right, client.bottom);
    SetTextColor(dc, TextColorOf(note));
    DrawNoteText(dc, text, note.wrapFlag != 0, client.right);
    SelectObject(dc, previousFont);
}

// The lines are drawn with the DC's own one-pixel solid pen, recoloured for each.
static void DrawEdge3D(HDC dc, COLORREF backColor, int width, int height) {
    HGDIOBJ previous = SelectObject(dc, GetStockObject(DC_PEN));
    for (const EdgeLine &line : EdgeLines(backColor, width, height)) {
        if (line.x2 < line.x1 || line.y2 < line.y1) continue;
        SetDCPenColor(dc, line.color);
        MoveToEx(dc, line.x1, line.y1, nullptr);
        // LineTo leaves out its end point, so it is sent one pixel further.
        if (line.y1 == line.y2)
            LineTo(dc, line.x2 + 1, line.y2);
        else
            LineTo(dc, line.x2, line.y2 + 1);
    }
    SelectObject(dc, previous);
}

// Whether the part being painted reaches the edge. The timer repaints only inside it, and lines
// that the clipping would discard whole are not drawn.
static bool ReachesEdge(const RECT &painted, const RECT &client) {
    return painted.left < kEdgeWidth || painted.top < kEdgeWidth ||
           painted.right > client.right - kEdgeWidth || painted.bottom > client.bottom - kEdgeWidth;
}

// A title is set only when it changes: each set is a round of messages, an accessibility event
// and, under Wine, a rewrite of the X window's name, and the clock repaints every second.
static void ShowTitle(HWND window, const std::string &title) {
    const std::wstring wide = Wide(title);
    std::wstring shown(wide.size() + 2, L'\0');
    const int length = GetWindowTextW(window, &shown[0], static_cast<int>(shown.size()));
    if (length == static_cast<int>(wide.size()) && shown.compare(0, wide.size(), wide) == 0) return;
    SetWindowTextW(window, wide.c_str());
}

void PaintNote(HWND window) {
    // A copy of the record and its text: the drawing below neither changes nor depends on the table.
    NoteRecord note = NoteTable[FindNote(window)];
    char text[kTextSize + 1];
    std::memcpy(text, note.text, kTextSize);
    text[kTextSize] = '\0';
    if (!ExpandDateMacro(window, text) && timerRepaintPending) {
        DeferTimerRepaint(window);
        // What else needs painting, such as an edge just uncovered, is not put off.
        if (!GetUpdateRect(window, nullptr, FALSE)) return;
    }

    // Straight into the window's own DC: on a scaled screen Windows sharpens only GDI text and lines
    // drawn there (the manifest asks for it), never what a memory bitmap holds.
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    DrawNoteContents(window, dc, note, text, client);
    if (ReachesEdge(ps.rcPaint, client)) DrawEdge3D(dc, note.backColor, client.right, client.bottom);
    EndPaint(window, &ps);
    // The title shows the stored text, so a date-macro note is titled with its macro.
    ShowTitle(window, NoteTitle(note.text, kTextSize));
    timerRepaintPending = 0;
}

void ResetClock() {
    lastClockReading.wSecond = 99; // no reading has it, so the first one counts as a change
    timerRepaintPending = 0;
    if (mainWindow) KillTimer(mainWindow, kDateRetryTimerId);
}
