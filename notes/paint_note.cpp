#include "notes/paint_note.h"

#include "notes/background_bitmap.h"
#include "notes/bitmap_file.h"
#include "notes/date_macro.h"
#include "notes/edge_colors.h"
#include "notes/line_layout.h"
#include "notes/note_title.h"
#include "platform/program.h"
#include "platform/wide_text.h"
#include "store/note_table.h"

#include <algorithm>
#include <cstring>

int timerRepaintPending;
SYSTEMTIME lastClockReading;

constexpr int kTextMargin = 3; // text starts inside the two-pixel edge
constexpr int kWrapMargin = 5; // wrapped lines end this far short of the client width
constexpr int kTimerInset = 3; // the timer never repaints the edge
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

// One shot: the repaints skipped in the previous second are asked for again, as a tick would.
static void CALLBACK RetryDateMacroRepaint(HWND window, UINT, UINT_PTR id, DWORD) {
    KillTimer(window, id);
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

// Draws the lines from (3, 3) down, one line step apart. Where a line breaks is decided on the
// Shift-JIS bytes; each line is measured and drawn as the characters they stand for.
static void DrawNoteText(HDC dc, const char *text, bool wrap, int clientWidth) {
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    const WORD lineStep = static_cast<WORD>(metrics.tmHeight + metrics.tmExternalLeading);
    const MeasureWidth measure = [dc](const char *s, size_t length) {
        const std::wstring wide = Wide(s, length);
        SIZE size = {0, 0};
        GetTextExtentPoint32W(dc, wide.data(), static_cast<int>(wide.size()), &size);
        return static_cast<int>(size.cx);
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
static void DrawNoteContents(HDC dc, NoteRecord &note, const char *text, const RECT &client) {
    const LOGFONTW description = WideLogFont(*LogFontOf(note));
    HFONT font = CreateFontIndirectW(&description);
    HGDIOBJ previousFont = SelectObject(dc, font);
    HBRUSH brush = CreateSolidBrush(note.backColor);
    HGDIOBJ previousBrush = SelectObject(dc, brush);
    FillRect(dc, &client, brush);
    SetBkMode(dc, TRANSPARENT);
    if (backgroundBitmapLoaded) DrawBackgroundBitmap(dc, client.right, client.bottom);
    SetTextColor(dc, TextColorOf(note));
    DrawNoteText(dc, text, note.wrapFlag != 0, client.right);
    SelectObject(dc, previousBrush);
    SelectObject(dc, previousFont);
    DeleteObject(brush);
    DeleteObject(font);
}

static void DrawEdge3D(HDC dc, COLORREF backColor, int width, int height) {
    for (const EdgeLine &line : EdgeLines(backColor, width, height)) {
        if (line.x2 < line.x1 || line.y2 < line.y1) continue;
        HPEN pen = CreatePen(PS_SOLID, 1, line.color);
        HGDIOBJ previous = SelectObject(dc, pen);
        MoveToEx(dc, line.x1, line.y1, nullptr);
        // LineTo leaves out its end point, so it is sent one pixel further.
        if (line.y1 == line.y2)
            LineTo(dc, line.x2 + 1, line.y2);
        else
            LineTo(dc, line.x2, line.y2 + 1);
        SelectObject(dc, previous);
        DeleteObject(pen);
    }
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
    DrawNoteContents(dc, note, text, client);
    DrawEdge3D(dc, note.backColor, client.right, client.bottom);
    EndPaint(window, &ps);
    // The title shows the stored text, so a date-macro note is titled with its macro.
    SetWindowText932(window, NoteTitle(note.text, kTextSize).c_str());
    timerRepaintPending = 0;
}

void ResetClock() {
    lastClockReading.wSecond = 99; // no reading has it, so the first one counts as a change
    timerRepaintPending = 0;
    if (mainWindow) KillTimer(mainWindow, kDateRetryTimerId);
}
