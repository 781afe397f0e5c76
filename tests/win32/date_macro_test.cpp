#include "tests/win32/harness.h"
#include "tests/sjis_words.h"

#include "notes/date_macro.h"
#include "notes/paint_note.h"
#include "platform/program.h"
#include "store/note_table.h"

#include <cstring>
#include <string>
#include <vector>

constexpr char kDate1[] = "$$" SJ_TAVLO "$$DATE1$$";
constexpr char kDate2[] = "$$" SJ_TAVLO "$$DATE2$$";
constexpr char kDate3[] = "$$" SJ_TAVLO "$$DATE3$$";
constexpr int kNoteWidth = 360, kNoteHeight = 40;

static std::string Title(HWND window) {
    return WindowText(window);
}

static std::string Drawn(int macro, const SYSTEMTIME &t) {
    const ClockReading clock = {t.wYear, t.wMonth, t.wDayOfWeek, t.wDay, t.wHour, t.wMinute, t.wSecond, 0};
    char text[kTextSize];
    FormatDateMacro(macro, clock, text, sizeof text);
    return text;
}

// The client pixels of a window, row by row, copied off its device context in one go.
static std::vector<uint32_t> Capture(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    const int w = client.right, h = client.bottom;
    HDC dc = GetDC(window);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, w, h);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, dc, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<uint32_t> pixels(static_cast<size_t>(w) * h);
    GetDIBits(memory, bitmap, 0, h, pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, dc);
    return pixels;
}

class DateMacroTest : public ProgramTest {
protected:
    // Opens a note and lets it finish painting.
    static HWND OpenAt(int x, int y, const char *text) {
        const HWND note = OpenNote(MakeRecord(x, y, kNoteWidth, kNoteHeight, text));
        RECT update;
        WaitFor([&] { return !GetUpdateRect(note, &update, FALSE); });
        return note;
    }
    // How an ordinary note with this text looks, drawn by this process.
    static std::vector<uint32_t> LooksOf(const std::string &text) {
        const int saved = timerMode;
        timerMode = 0;
        const HWND note = OpenAt(500, 600, text.c_str());
        const std::vector<uint32_t> pixels = Capture(note);
        CloseNote(FindNote(note));
        timerMode = saved;
        return pixels;
    }
    static bool SameSecond(const SYSTEMTIME &a, const SYSTEMTIME &b) {
        return a.wMinute == b.wMinute && a.wSecond == b.wSecond;
    }
};

// ---- Expansion ----

TEST_F(DateMacroTest, WithoutTimerModeTheClockIsNotReadAndTheTextStays) {
    char text[kTextSize] = "";
    std::strcpy(text, kDate2);
    EXPECT_EQ(ExpandDateMacro(nullptr, text), 1);
    EXPECT_STREQ(text, kDate2);
    EXPECT_EQ(lastClockReading.wSecond, 99) << "no reading taken";
}

TEST_F(DateMacroTest, UnderTimerModeEachMacroIsReplacedByTheReading) {
    timerMode = 1;
    const char *macros[3] = {kDate1, kDate2, kDate3};
    for (int macro = 1; macro <= 3; ++macro) {
        char text[kTextSize] = "";
        std::strcpy(text, macros[macro - 1]);
        lastClockReading.wSecond = 99;
        EXPECT_EQ(ExpandDateMacro(nullptr, text), 1) << "the first reading always counts as a change";
        EXPECT_EQ(text, Drawn(macro, lastClockReading));
    }
}

TEST_F(DateMacroTest, ASecondReadingInTheSameSecondAllowsASkip) {
    timerMode = 1;
    for (int attempt = 0; attempt < 5; ++attempt) {
        char text[kTextSize] = "";
        std::strcpy(text, kDate3);
        GetLocalTime(&lastClockReading);
        const SYSTEMTIME before = lastClockReading;
        const int result = ExpandDateMacro(nullptr, text);
        if (!SameSecond(before, lastClockReading)) continue; // the clock turned meanwhile
        EXPECT_EQ(result, 0);
        EXPECT_EQ(text, Drawn(3, lastClockReading));
        char plain[kTextSize] = "plain";
        EXPECT_EQ(ExpandDateMacro(nullptr, plain), 1) << "only a macro note may be skipped";
        EXPECT_STREQ(plain, "plain");
        return;
    }
    FAIL() << "the clock never stayed in one second";
}

// ---- The timer and the skip rule ----

TEST_F(DateMacroTest, TheTimerMarksOnlyTheInsideOfMacroNotes) {
    const HWND macro = OpenAt(10, 10, kDate2);
    const HWND plain = OpenAt(10, 60, "plain");
    timerRepaintPending = 0;
    DateMacroTimer(nullptr, 0, 0, 0);
    EXPECT_EQ(timerRepaintPending, 1);
    RECT update;
    ASSERT_TRUE(GetUpdateRect(macro, &update, FALSE));
    EXPECT_EQ(update.left, 3);
    EXPECT_EQ(update.top, 3);
    EXPECT_EQ(update.right, kNoteWidth - 3);
    EXPECT_EQ(update.bottom, kNoteHeight - 3);
    EXPECT_FALSE(GetUpdateRect(plain, &update, FALSE));
    EXPECT_TRUE(WaitFor([&] { return !GetUpdateRect(macro, &update, FALSE); }));
    EXPECT_EQ(timerRepaintPending, 0) << "a completed paint clears the flag";
}

// A macro note without a window is passed over: a null window would stand for the whole desktop.
TEST_F(DateMacroTest, TheTimerPassesOverAMacroNoteWithoutAWindow) {
    const HWND plain = OpenAt(10, 60, "plain");
    PumpMessages();
    OpenWindowlessNote(MakeRecord(10, 10, kNoteWidth, kNoteHeight, kDate2));
    DateMacroTimer(nullptr, 0, 0, 0);
    RECT update;
    EXPECT_FALSE(GetUpdateRect(plain, &update, FALSE));
}

TEST_F(DateMacroTest, ATimerRepaintInTheSameSecondIsPutOffButAnUncoveredEdgeIsNot) {
    const HWND note = OpenAt(10, 10, kDate2);
    timerMode = 1;
    for (int attempt = 0; attempt < 5; ++attempt) {
        SetWindowTextA(note, "untouched");
        GetLocalTime(&lastClockReading);
        const SYSTEMTIME before = lastClockReading;
        timerRepaintPending = 1;
        DateMacroTimer(nullptr, 0, 0, 0);
        PaintNote(note);
        SYSTEMTIME after;
        GetLocalTime(&after);
        if (!SameSecond(before, after)) continue;
        RECT update;
        EXPECT_FALSE(GetUpdateRect(note, &update, FALSE)) << "not left to be asked for at once";
        EXPECT_EQ(Title(note), "untouched") << "painting was not begun";
        EXPECT_EQ(timerRepaintPending, 1);

        InvalidateRect(note, nullptr, FALSE); // the whole note, edge included
        PaintNote(note);
        EXPECT_FALSE(GetUpdateRect(note, &update, FALSE));
        EXPECT_EQ(Title(note), std::string(SJ_TAVLO " - ") + kDate2);
        EXPECT_EQ(timerRepaintPending, 0);
        return;
    }
    FAIL() << "the clock never stayed in one second";
}

// Counts the paint requests a note receives and records the second each completed paint shows.
struct PaintCounter {
    static inline WNDPROC noteProc;
    static inline int requests;
    static inline std::vector<int> shownSeconds;
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        const LRESULT result = CallWindowProcA(noteProc, window, message, wParam, lParam);
        if (message != WM_PAINT) return result;
        ++requests;
        if (timerRepaintPending == 0) shownSeconds.push_back(lastClockReading.wSecond);
        return result;
    }
    explicit PaintCounter(HWND window) : window_(window) {
        requests = 0;
        shownSeconds.clear();
        noteProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc)));
    }
    ~PaintCounter() { SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(noteProc)); }
    HWND window_;
};

TEST_F(DateMacroTest, AClockNoteIsPaintedAboutOncePerSecondWithoutMissingOne) {
    timerMode = 1;
    const HWND note = OpenAt(10, 10, kDate1);
    // Early in a second, paint the note and then tick: the tick's repaint falls in the same second.
    WaitFor([] {
        SYSTEMTIME now;
        GetLocalTime(&now);
        return now.wMilliseconds < 500;
    });
    RepaintNote(note);
    const int firstSecond = lastClockReading.wSecond;
    PaintCounter counter(note);
    const UINT_PTR ticks = SetTimer(nullptr, 0, 1000, DateMacroTimer);
    DateMacroTimer(nullptr, 0, 0, 0);
    WaitFor([] { return false; }, 3200);
    KillTimer(nullptr, ticks);

    EXPECT_LE(PaintCounter::requests, 15) << "about one or two paint requests a second";
    const std::vector<int> &shown = PaintCounter::shownSeconds;
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown[0], (firstSecond + 1) % 60) << "the skipped tick is drawn when the second turns";
    for (size_t i = 1; i < shown.size(); ++i)
        EXPECT_EQ(shown[i], (shown[i - 1] + 1) % 60) << "paint " << i << " shows the next second";
}

TEST_F(DateMacroTest, UnderTimerModeTheNoteShowsTheClockButKeepsItsMacro) {
    timerMode = 1;
    const HWND note = OpenAt(10, 10, kDate2);
    const SYSTEMTIME reading = lastClockReading; // the reading its paint used
    const std::vector<uint32_t> shown = Capture(note);
    EXPECT_EQ(shown, LooksOf(Drawn(2, reading)));
    EXPECT_NE(shown, LooksOf(kDate2));
    EXPECT_STREQ(NoteTable[FindNote(note)].text, kDate2) << "the record keeps the macro";
    EXPECT_EQ(Title(note), std::string(SJ_TAVLO " - ") + kDate2);
}

// ---- The whole program ----

class DateMacroRunTest : public DateMacroTest {
protected:
    static HWND StartWithMacroNote(ProgramRun &run, const char *switches) {
        const NoteRecord record = MakeRecord(20, 300, kNoteWidth, kNoteHeight, kDate2);
        WriteFileBytes(run.DataFile(".DAT"), Bytes(&record, sizeof record));
        if (!run.Start(switches)) return nullptr;
        // The title is set at the end of the first paint. The note is looked up again on every
        // try, as applying its display mode hides and shows it for a moment.
        HWND note = nullptr;
        WaitFor(
            [&] {
                const std::vector<HWND> notes = run.NoteWindows();
                note = notes.size() == 1 ? notes.front() : nullptr;
                return note && Title(note) == std::string(SJ_TAVLO " - ") + kDate2;
            },
            10000);
        return note;
    }
};

TEST_F(DateMacroRunTest, WithTimerADate2NoteShowsTheRunningDateAndTime) {
    ProgramRun run;
    const HWND note = StartWithMacroNote(run, "/TIMER");
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(Title(note), std::string(SJ_TAVLO " - ") + kDate2);
    // The program repaints every second; at a minute's turn it may lag this clock a moment.
    EXPECT_TRUE(WaitFor([&] {
        SYSTEMTIME now;
        GetLocalTime(&now);
        return Capture(note) == LooksOf(Drawn(2, now));
    }));
    EXPECT_NE(Capture(note), LooksOf(kDate2));
    EXPECT_EQ(Title(note), std::string(SJ_TAVLO " - ") + kDate2) << "still titled with the macro";
}

TEST_F(DateMacroRunTest, WithoutTimerTheMacroTextIsDrawnAsItIs) {
    ProgramRun run;
    const HWND note = StartWithMacroNote(run, "");
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(Title(note), std::string(SJ_TAVLO " - ") + kDate2);
    EXPECT_TRUE(WaitFor([&] { return Capture(note) == LooksOf(kDate2); }));
}
