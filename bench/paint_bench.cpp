// Painting a note of 1023 bytes of wrapped Japanese text, against the floor: the same text drawn
// with DrawText and word breaks into a window of the same size, on the same background.
#include "bench/bench.h"

#include "notes/create_note.h"
#include "notes/paint_note.h"
#include "store/note_table.h"

constexpr int kPaintRuns = 200;
constexpr RECT kNotePlace = {20, 20, 440, 540};
constexpr RECT kFloorPlace = {460, 20, 880, 540};
constexpr int kTextMargin = 3; // where the note starts its text
constexpr char kPaintFloorClass[] = "TavloBenchPaintFloor";

static NoteRecord floorNote; // what the floor draws: the note's text, font and colours

static void PaintFloor(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    HBRUSH brush = CreateSolidBrush(floorNote.backColor);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    HFONT font = CreateFontIndirectA(LogFontOf(floorNote));
    HGDIOBJ previous = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, TextColorOf(floorNote));
    InflateRect(&client, -kTextMargin, -kTextMargin);
    DrawTextA(dc, floorNote.text, -1, &client, DT_WORDBREAK);
    SelectObject(dc, previous);
    DeleteObject(font);
    EndPaint(window, &ps);
}

static LRESULT CALLBACK PaintFloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
    PaintFloor(window);
    return 0;
}

static HWND OpenFloorWindow() {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = PaintFloorProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kPaintFloorClass;
    RegisterClassA(&windowClass);
    const RECT &r = kFloorPlace;
    return CreateWindowExA(WS_EX_TOOLWINDOW, kPaintFloorClass, "", WS_POPUP | WS_VISIBLE, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, nullptr, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
}

static HWND OpenWrappedNote() {
    NoteTable[noteCount] = BenchRecord(kNotePlace, FullNoteText().c_str());
    NoteTable[noteCount].wrapFlag = 1;
    floorNote = NoteTable[noteCount];
    CreateNote(nullptr, 0);
    return NoteWindowOf(NoteTable[noteCount - 1]);
}

static void DrainMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

// Milliseconds for invalidating the whole window and painting it at once.
static double PaintMilliseconds(HWND window) {
    DrainMessages();
    const double start = Now();
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    return (Now() - start) * 1000;
}

void MeasurePaint(Figure &paint) {
    Progress("paint: a wrapped note of 1023 bytes against DrawText of its text, 200 of each");
    const HWND note = OpenWrappedNote();
    const HWND floor = OpenFloorWindow();
    std::vector<double> tavloTimes, floorTimes;
    for (int run = 0; run < kPaintRuns; ++run) {
        tavloTimes.push_back(PaintMilliseconds(note));
        floorTimes.push_back(PaintMilliseconds(floor));
    }
    DestroyWindow(floor);
    CloseNote(FindNote(note));
    paint.tavlo = Median(tavloTimes);
    paint.floor = Median(floorTimes);
}
