#include "notes/create_note.h"

#include "notes/note_geometry.h"
#include "platform/monitors.h"
#include "platform/program.h"
#include "platform/wide_text.h"
#include "settings/defaults.h"
#include "settings/settings.h"
#include "store/note_table.h"

#include <cstring>
#include <vector>

constexpr DWORD kNoteStyle = WS_POPUP; // made hidden, shown once its place and mode are set
constexpr DWORD kNoteExStyle = WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE | WS_EX_ACCEPTFILES; // 400
constexpr DWORD kTaskbarExStyle = WS_EX_WINDOWEDGE | WS_EX_ACCEPTFILES;                 // 272

static void StampCreationTime(NoteRecord &record) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    record.created = CreationTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

// A note made from the tray takes its place below the last note; one made from a note, below it.
// Returns the note it was placed from; none, when the template's place stands (a reference without
// a window, one the platform refused, included).
static HWND PlaceBelowReference(NoteRecord &record, HWND source) {
    const HWND reference = lastCommandWindow == mainWindow ? NoteWindowOf(NoteTable[noteCount - 1]) : source;
    RECT r;
    if (!GetWindowRect(reference, &r)) return nullptr;
    record.x = r.left;
    record.y = r.bottom + noteSpacing;
    record.width = r.right - r.left;
    record.height = r.bottom - r.top;
    return reference;
}

// Returns the note the new one was placed from, or none.
static HWND PrepareNewRecord(NoteRecord &record, HWND source) {
    std::memset(&record, 0, sizeof record);
    ApplyTemplateToRecord(record);
    StampCreationTime(record);
    return inheritPosition && noteCount > 0 ? PlaceBelowReference(record, source) : nullptr;
}

static void InheritFromSource(NoteRecord &record, HWND source) {
    const NoteRecord &from = NoteTable[FindNote(source)];
    if (source && noteCount > 0) {
        record.backColor = inheritBackColor ? from.backColor : templateNote.backColor;
        record.font = inheritFont ? from.font : templateNote.font;
        record.fontDialog = inheritFont ? from.fontDialog : templateNote.fontDialog;
        PointFontDialogAtOwnFont(record);
    }
    if (inheritTaskbar) record.taskbarFlag = from.taskbarFlag;
    if (inheritWrap) record.wrapFlag = from.wrapFlag;
    if (inheritDisplayMode) record.displayMode = (record.displayMode & 0xFFFF0000u) | ModeOf(from);
}

void ShowNoteLimitMessage() {
    ShowErrorMessage(" これ以上 " PROGRAM_NAME "は開けません (^_^;; ");
}

static ScreenRect ScreenOf(const RECT &r) {
    return {r.left, r.top, r.right, r.bottom};
}

// The monitor that a new note is kept on: that of the note it was placed from, else the primary.
static ScreenRect MonitorFor(HWND reference) {
    RECT whole;
    bool primary = true;
    if (MonitorOfWindow(reference, whole, primary) && !primary) return ScreenOf(whole);
    return {0, 0, screenWidth, screenHeight};
}

// A new note is at least 8 x 8 pixels and starts on the monitor of the note it was placed from.
static void FitNewNote(NoteRecord &record, HWND reference) {
    record.width = NewNoteExtent(record.width, kBuiltInWidth);
    record.height = NewNoteExtent(record.height, kBuiltInHeight);
    const NoteRect placed =
        CorrectPlacement({record.x, record.y, record.width, record.height}, MonitorFor(reference));
    record.x = placed.x;
    record.y = placed.y;
}

// A restored note that no monitor shows (its monitor was unplugged, say) is moved where the user
// can reach it; the record takes the new place, so the next save stores it.
static void BringRestoredNoteIntoReach(NoteRecord &record) {
    std::vector<MonitorArea> monitors;
    for (const MonitorRects &m : DisplayMonitors())
        monitors.push_back({ScreenOf(m.whole), ScreenOf(m.work)});
    const NoteRect r = BringIntoReach({record.x, record.y, record.width, record.height}, monitors);
    record.x = r.x;
    record.y = r.y;
    record.width = r.width;
    record.height = r.height;
}

// A note has a taskbar button when its record asks for one, except in wallpaper mode.
static void SetTaskbarStyle(HWND window, const NoteRecord &record, int mode) {
    const bool taskbarButton = record.taskbarFlag == 1 && mode != kModeWallpaper;
    SetWindowLongW(window, GWL_EXSTYLE, taskbarButton ? kTaskbarExStyle : kNoteExStyle);
}

// A note opened from its record (nothing is inherited then) is made hidden and shown once, in its
// mode. Shown, hidden, re-styled, re-placed and shown again as a new note is, it ends the same,
// in the same place and z-order and active; only slower, and seen twice.
static void ShowRestoredNote(HWND window, int mode) {
    NoteRecord &record = NoteTable[FindNote(window)];
    SetTaskbarStyle(window, record, mode);
    StoreWindowRect(record, window);
    if (mode == kModeTopmost)
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
}

// Shows a note made hidden. A restored note is shown once, in its mode; a new note, and a wallpaper
// note always, the long way: under Wine a window first shown without being activated is mapped
// anew on top when it is first activated.
static void ShowNote(HWND window, bool showOnce) {
    const int mode = ModeOf(NoteTable[FindNote(window)]);
    if (showOnce && mode != kModeWallpaper) {
        ShowRestoredNote(window, mode);
        return;
    }
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    SetDisplayMode(window, mode);
}

// Makes the note of slot noteCount, hidden, and counts it. The handle a record brought from the
// file belongs to the run that saved it: without a window of its own the note holds none. It is
// still counted, so that its record is kept and saved again; it simply cannot be seen in this run.
static HWND MakeNote(HWND source, int correct) {
    NoteRecord &record = NoteTable[noteCount];
    const HWND reference = source ? PrepareNewRecord(record, source) : nullptr;
    if (correct) FitNewNote(record, reference);
    if (!source) BringRestoredNoteIntoReach(record);
    const HWND window =
        CreateWindowExW(kNoteExStyle, kWindowClassName, L"" PROGRAM_NAME, kNoteStyle, record.x, record.y,
                        record.width, record.height, nullptr, nullptr, programInstance, nullptr);
    SetNoteWindow(record, window);
    if (window && correct) InheritFromSource(record, source);
    if (window && !correct) KeepStoredSize(record, window, record.width, record.height);
    ++noteCount;
    return window;
}

void CreateNote(HWND source, int correct) {
    if (noteCount + 1 >= kTableSlots) {
        ShowNoteLimitMessage();
        return;
    }
    if (const HWND window = MakeNote(source, correct)) ShowNote(window, !source);
}

// The order of the shows stacks the notes on a display where Wine stacks windows by the order they
// were made and raised (a plain X display, and its virtual desktop too): a window is raised there
// only when it is shown at the top of the z-order, never lowered. So the wallpaper notes are shown
// first, the other notes next and the topmost ones last, each in slot order; the z-order ends as
// one by one, and the note that the last show of that would leave active is made active.
void OpenRestoredNotes(int count) {
    std::vector<HWND> wallpaper, normal, topmost;
    HWND lastActive = nullptr;
    for (int i = 0; i < count && noteCount + 1 < kTableSlots; ++i) {
        const int mode = ModeOf(NoteTable[noteCount]);
        const HWND window = MakeNote(nullptr, 0);
        if (!window) continue;
        (mode == kModeWallpaper ? wallpaper : mode == kModeTopmost ? topmost : normal).push_back(window);
        if (mode != kModeWallpaper) lastActive = window;
    }
    for (const auto *group : {&wallpaper, &normal, &topmost})
        for (HWND window : *group)
            ShowNote(window, true);
    if (lastActive && GetActiveWindow() != lastActive) SetActiveWindow(lastActive);
}

struct ModePlacement {
    HWND insertAfter;
    UINT flags;
};

static ModePlacement PlacementFor(int mode) {
    if (mode == kModeTopmost) return {HWND_TOPMOST, kHiddenPlacement};
    if (mode == kModeWallpaper) return {HWND_BOTTOM, kHiddenPlacement | SWP_NOACTIVATE};
    return {HWND_TOP, kHiddenPlacement};
}

// A note leaving topmost mode must end its topmost placement explicitly, or placing it at the
// top would keep it above every other window.
static void EndTopmostPlacement(HWND window) {
    if (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST)
        SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// Again after the show, which raises a top-level window on this platform.
static void PutAtBottom(HWND window) {
    constexpr UINT kZOrderOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, kZOrderOnly);
}

void SetDisplayMode(HWND window, int mode) {
    mode &= 0xFFFF;
    NoteRecord &record = NoteTable[FindNote(window)];
    ShowWindow(window, SW_HIDE);
    SetTaskbarStyle(window, record, mode);
    record.displayMode = (record.displayMode & 0xFFFF0000u) | static_cast<uint32_t>(mode);
    StoreWindowRect(record, window);
    if (mode != kModeTopmost) EndTopmostPlacement(window);
    const ModePlacement placement = PlacementFor(mode);
    SetWindowPos(window, placement.insertAfter, record.x, record.y, record.width, record.height,
                 placement.flags);
    ShowWindow(window, SW_SHOWNA);
    if (mode == kModeWallpaper) PutAtBottom(window);
}
