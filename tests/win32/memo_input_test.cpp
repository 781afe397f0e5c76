#include "tests/win32/harness.h"
#include "tests/sjis_words.h"

#include "app/commands.h"
#include "platform/program.h"
#include "platform/program_files.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "store/note_table.h"
#include "textio/date_stamp.h"
#include "textio/memo_input.h"

#include <imm.h>

#include <cstring>
#include <string>

class MemoInputTest : public ProgramTest {};

static const char kMemoCaption[] = SJ_MEMO_INPUT;
static const char kFormatCaption[] =
    "\x93\xfc\x97\xcd\x83\x74\x83\x48\x81\x5b\x83\x7d\x83\x62\x83\x67"; // 入力フォーマット

static HWND OpenTextNote(const char *text) {
    return OpenNote(MakeRecord(100, 100, 200, 80, text));
}

// The text of the first record in the notes file, or "" when there is none.
static std::string SavedText() {
    const std::string bytes = ReadFileBytes(notesPath);
    if (bytes.size() < sizeof(NoteRecord)) return "";
    return std::string(bytes.c_str() + offsetof(NoteRecord, text));
}

static SYSTEMTIME Now() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now;
}

static std::string StampOf(int format, const SYSTEMTIME &t, bool fourDigitYear) {
    const LocalTime time = {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
    char stamp[kStampTextSize] = "";
    FormatDateStamp(format, time, fourDigitYear, stamp, sizeof stamp);
    return stamp;
}

static ULONGLONG SecondsOf(const SYSTEMTIME &t) {
    FILETIME f;
    SystemTimeToFileTime(&t, &f);
    return ((ULONGLONG(f.dwHighDateTime) << 32) | f.dwLowDateTime) / 10000000;
}

static SYSTEMTIME TimeOfSeconds(ULONGLONG seconds) {
    const ULONGLONG ticks = seconds * 10000000;
    const FILETIME f = {DWORD(ticks), DWORD(ticks >> 32)};
    SYSTEMTIME t;
    FileTimeToSystemTime(&f, &t);
    return t;
}

static bool DateButtonEnabled(HWND memo) {
    return IsWindowEnabled(GetDlgItem(memo, IDC_DATE_BUTTON)) != FALSE;
}

// The clock is read just before the stamp is asked for and just after it was put in; the stamp
// is that of one of the seconds in between, so a change of second or minute cannot fail the test.
struct StampWindow {
    SYSTEMTIME before{}, after{};
    bool Matches(const std::string &text, int format, bool fourDigitYear, const std::string &rest) const {
        for (ULONGLONG s = SecondsOf(before); s <= SecondsOf(after); ++s)
            if (text == StampOf(format, TimeOfSeconds(s), fourDigitYear) + "\r\n" + rest) return true;
        return false;
    }
};

// Memo dialog: press the date button. Format dialog: choose the format and accept it, by OK or
// by a double click in the list. Memo dialog: keep its text and press OK.
static void ScriptStamp(StampWindow &clock, int format, bool fourDigitYear, bool byDoubleClick,
                        std::string &stamped, bool &buttonEnabled) {
    ExpectDialogs({
        {kMemoCaption, [](HWND memo) { PressButton(memo, IDC_DATE_BUTTON); }},
        {kFormatCaption,
         [&, format, fourDigitYear, byDoubleClick](HWND dialog) {
             const HWND list = GetDlgItem(dialog, IDC_FORMAT_LIST);
             SendMessageA(list, LB_SETCURSEL, format, 0);
             SetCheck(dialog, IDC_FOUR_DIGIT_YEAR, fourDigitYear);
             clock.before = Now();
             if (byDoubleClick)
                 PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_FORMAT_LIST, LBN_DBLCLK),
                              reinterpret_cast<LPARAM>(list));
             else
                 PressButton(dialog, IDOK);
         }},
        {kMemoCaption,
         [&](HWND memo) {
             clock.after = Now();
             stamped = ControlText(memo, IDC_MEMO_EDIT);
             buttonEnabled = DateButtonEnabled(memo);
             PressButton(memo, IDOK);
         }},
    });
}

TEST_F(MemoInputTest, OkWithoutChangeKeepsTheTextTakesNoUndoCopyAndSaves) {
    const HWND note = OpenTextNote("hello");
    std::string shown;
    ExpectDialogs({{kMemoCaption, [&](HWND memo) {
                        shown = ControlText(memo, IDC_MEMO_EDIT);
                        PressButton(memo, IDOK);
                    }}});
    SendMessageA(note, WM_LBUTTONDBLCLK, 0, 0);
    ASSERT_TRUE(DialogScriptDone());
    EXPECT_EQ(shown, "hello");
    EXPECT_STREQ(NoteTable[0].text, "hello");
    EXPECT_EQ(UndoTable[0].text[0], '\0') << "an unchanged text is no change to undo";
    EXPECT_EQ(SavedText(), "hello");
}

// Characters the platform stores under other codes (NEC and IBM extensions) and a lead byte
// left alone at the end by a cut come back unchanged when the text was not edited.
TEST_F(MemoInputTest, OkWithoutAnEditReturnsTheTextByteForByte) {
    const std::string text = "\x87\x90 \xED\x40 \xEE\xF9 end\x82";
    const HWND note = OpenTextNote(text.c_str());
    ExpectDialogs({{kMemoCaption, [](HWND memo) { PressButton(memo, IDOK); }}});
    SendMessageA(note, WM_LBUTTONDBLCLK, 0, 0);
    ASSERT_TRUE(DialogScriptDone());
    EXPECT_EQ(std::string(NoteTable[0].text), text);
    EXPECT_EQ(UndoTable[0].text[0], '\0') << "no change, no undo copy";
    EXPECT_EQ(SavedText(), text);
}

TEST_F(MemoInputTest, CancelAndCloseReturnZeroAndLeaveTheText) {
    const HWND note = OpenTextNote("keep");
    char editBuffer[kTextSize] = "keep";
    ExpectDialogs({{kMemoCaption, [](HWND memo) {
                        SetDlgItemTextA(memo, IDC_MEMO_EDIT, "typed but cancelled");
                        PressButton(memo, IDCANCEL);
                    }}});
    EXPECT_EQ(RunMemoInputDialog(note, editBuffer), 0);
    ASSERT_TRUE(DialogScriptDone());
    EXPECT_STREQ(editBuffer, "keep");

    ExpectDialogs({{kMemoCaption, [](HWND memo) {
                        SetDlgItemTextA(memo, IDC_MEMO_EDIT, "typed but closed");
                        PostMessageA(memo, WM_CLOSE, 0, 0);
                    }}});
    EXPECT_EQ(RunMemoInputDialog(note, editBuffer), 0);
    ASSERT_TRUE(DialogScriptDone());
    EXPECT_STREQ(editBuffer, "keep");
    EXPECT_STREQ(NoteTable[0].text, "keep");
}

// After the dialog, OK or Cancel, the display mode is applied again: here a taskbar flag set
// behind the window's back gets its taskbar button, and everything is saved.
TEST_F(MemoInputTest, CancelStillReappliesTheDisplayModeAndSaves) {
    const HWND note = OpenTextNote("keep");
    NoteTable[0].taskbarFlag = 1;
    ASSERT_TRUE(GetWindowLongA(note, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    ExpectDialogs({{kMemoCaption, [](HWND memo) { PressButton(memo, IDCANCEL); }}});
    SendMessageA(note, WM_LBUTTONDBLCLK, 0, 0);
    ASSERT_TRUE(DialogScriptDone());
    EXPECT_FALSE(GetWindowLongA(note, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(SavedText(), "keep");
    EXPECT_EQ(UndoTable[0].text[0], '\0');
}

// Other notes stay usable while a memo is up, so a second memo can open inside the first one's
// loop. Confirmed first then second, each note takes only its own text.
TEST_F(MemoInputTest, TwoMemosOpenAtOnceEachStoreIntoTheirOwnNote) {
    const HWND first = OpenTextNote("aaa");
    const HWND second = OpenNote(MakeRecord(400, 100, 200, 80, "bbb"));
    HWND firstMemo = nullptr;
    ExpectDialogs({{kMemoCaption,
                    [&](HWND memo) {
                        firstMemo = memo;
                        SetWindowTextA(memo, "first memo"); // so the next step finds the other one
                        SetDlgItemTextA(memo, IDC_MEMO_EDIT, "AAA-new");
                        PostMessageA(second, WM_LBUTTONDBLCLK, 0, 0);
                    }},
                   {kMemoCaption, [&](HWND memo) {
                        SetDlgItemTextA(memo, IDC_MEMO_EDIT, "BBB-new");
                        PressButton(firstMemo, IDOK);
                        PressButton(memo, IDOK);
                    }}});
    SendMessageA(first, WM_LBUTTONDBLCLK, 0, 0);
    ASSERT_TRUE(DialogScriptDone());
    EXPECT_STREQ(NoteTable[FindNote(first)].text, "AAA-new");
    EXPECT_STREQ(NoteTable[FindNote(second)].text, "BBB-new");
}

// The memos of two notes, each with its format dialog open: each note gets the stamp chosen in its
// own dialog, whichever was confirmed first.
TEST_F(MemoInputTest, TwoFormatDialogsOpenAtOnceEachStampTheirOwnNote) {
    const HWND first = OpenTextNote("aaa");
    const HWND second = OpenNote(MakeRecord(400, 100, 200, 80, "bbb"));
    HWND firstFormat = nullptr;
    ExpectDialogs({
        {kMemoCaption,
         [](HWND memo) {
             SetWindowTextA(memo, "first memo"); // so that later steps find the other one
             PressButton(memo, IDC_DATE_BUTTON);
         }},
        {kFormatCaption,
         [&](HWND dialog) {
             firstFormat = dialog;
             SetWindowTextA(dialog, "first format");
             SendDlgItemMessageA(dialog, IDC_FORMAT_LIST, LB_SETCURSEL, 3, 0); // YY/MM/DD
             PostMessageA(second, WM_LBUTTONDBLCLK, 0, 0);
         }},
        {kMemoCaption,
         [](HWND memo) {
             SetWindowTextA(memo, "second memo");
             PressButton(memo, IDC_DATE_BUTTON);
         }},
        {kFormatCaption,
         [&](HWND dialog) {
             SendDlgItemMessageA(dialog, IDC_FORMAT_LIST, LB_SETCURSEL, 0, 0); // YY年 MM月 DD日
             PressButton(firstFormat, IDOK);
             PressButton(dialog, IDOK);
         }},
        {"second memo", [](HWND memo) { PressButton(memo, IDOK); }},
        {"first memo", [](HWND memo) { PressButton(memo, IDOK); }},
    });
    SendMessageA(first, WM_LBUTTONDBLCLK, 0, 0);
    ASSERT_TRUE(DialogScriptDone());
    const std::string firstText = NoteTable[FindNote(first)].text,
                      secondText = NoteTable[FindNote(second)].text;
    EXPECT_EQ(firstText.find(SJ_YEAR), std::string::npos) << "got " << firstText;
    EXPECT_EQ(firstText.substr(2, 1), "/") << "got " << firstText;
    EXPECT_NE(secondText.find(SJ_YEAR), std::string::npos) << "got " << secondText;
}

// A mode outside 0-2 from the notes file is applied again as it stands: turned into a command id
// (121 + 9 is the colour command) it would open another dialog.
TEST_F(MemoInputTest, ClosingTheMemoOfANoteInAnUnknownModeRunsNoOtherCommand) {
    NoteRecord r = MakeRecord(100, 100, 200, 80, "mode nine");
    r.displayMode = 9;
    const HWND note = OpenNote(r);
    DeleteFileW(notesPath);
    ExpectDialogs({{kMemoCaption, [](HWND memo) { PressButton(memo, IDCANCEL); }}});
    SendMessageA(note, WM_LBUTTONDBLCLK, 0, 0);
    ASSERT_TRUE(DialogScriptDone());
    EXPECT_EQ(lastCommandWindow, nullptr) << "a command ran after the memo";
    EXPECT_EQ(NoteTable[0].displayMode, 9u);
    EXPECT_TRUE(IsWindowVisible(note));
    EXPECT_EQ(ReadFileBytes(notesPath).size(), sizeof(NoteRecord)) << "saved as the mode command saves";
}

TEST_F(MemoInputTest, MemoCommandOpensTheDialogThenReappliesTheModeAndSaves) {
    const HWND note = OpenTextNote("before");
    NoteTable[0].taskbarFlag = 1;
    ExpectDialogs({{kMemoCaption, [](HWND memo) {
                        SetDlgItemTextA(memo, IDC_MEMO_EDIT, "after");
                        PressButton(memo, IDOK);
                    }}});
    DispatchCommand(note, IDM_MEMO_INPUT);
    ASSERT_TRUE(DialogScriptDone());
    EXPECT_STREQ(NoteTable[0].text, "after");
    EXPECT_STREQ(UndoTable[0].text, "before");
    EXPECT_FALSE(GetWindowLongA(note, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(SavedText(), "after");
}

TEST_F(MemoInputTest, DateButtonThenCancelKeepsTheTextAndTheButton) {
    const HWND note = OpenTextNote("abc");
    int entries = -1, selected = -1;
    bool fourDigits = true, enabled = false, focusInEdit = false;
    std::string text, firstLabel, lastLabel;
    ExpectDialogs({
        {kMemoCaption, [](HWND memo) { PressButton(memo, IDC_DATE_BUTTON); }},
        {kFormatCaption,
         [&](HWND dialog) {
             const HWND list = GetDlgItem(dialog, IDC_FORMAT_LIST);
             entries = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
             selected = static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
             wchar_t label[64] = L"";
             SendMessageW(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(label));
             firstLabel = Narrow(label);
             SendMessageW(list, LB_GETTEXT, 8, reinterpret_cast<LPARAM>(label));
             lastLabel = Narrow(label);
             fourDigits = IsChecked(dialog, IDC_FOUR_DIGIT_YEAR);
             PressButton(dialog, IDCANCEL);
         }},
        {kMemoCaption,
         [&](HWND memo) {
             text = ControlText(memo, IDC_MEMO_EDIT);
             enabled = DateButtonEnabled(memo);
             focusInEdit = GetFocus() == GetDlgItem(memo, IDC_MEMO_EDIT);
             PressButton(memo, IDOK);
         }},
    });
    SendMessageA(note, WM_LBUTTONDBLCLK, 0, 0);
    ASSERT_TRUE(DialogScriptDone());
    EXPECT_EQ(entries, 9);
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(firstLabel, "YY\x94\x4e MM\x8c\x8e DD\x93\xfa"); // YY年 MM月 DD日
    EXPECT_EQ(lastLabel, "MM/DD/YY HH:MM:SS(am/pm)");
    EXPECT_FALSE(fourDigits);
    EXPECT_EQ(text, "abc");
    EXPECT_TRUE(enabled);
    EXPECT_TRUE(focusInEdit);
    EXPECT_STREQ(NoteTable[0].text, "abc");
}

TEST_F(MemoInputTest, FormatFourGoesInFrontOfTheTextAndDisablesTheButton) {
    const HWND note = OpenTextNote("abc");
    StampWindow clock;
    std::string stamped;
    bool enabled = true;
    ScriptStamp(clock, 4, false, false, stamped, enabled);
    SendMessageA(note, WM_LBUTTONDBLCLK, 0, 0);
    ASSERT_TRUE(DialogScriptDone());
    EXPECT_TRUE(clock.Matches(stamped, 4, false, "abc")) << "got " << stamped;
    EXPECT_FALSE(enabled) << "one stamp per opening";
    EXPECT_EQ(std::string(NoteTable[0].text), stamped);
    EXPECT_EQ(SavedText(), stamped);
}

TEST_F(MemoInputTest, DoubleClickInTheListAcceptsAndTheYearCanHaveFourDigits) {
    const HWND note = OpenTextNote("");
    StampWindow clock;
    std::string stamped;
    bool enabled = true;
    ScriptStamp(clock, 2, true, true, stamped, enabled);
    SendMessageA(note, WM_LBUTTONDBLCLK, 0, 0);
    ASSERT_TRUE(DialogScriptDone());
    EXPECT_TRUE(clock.Matches(stamped, 2, true, "")) << "got " << stamped;
}

TEST_F(MemoInputTest, AStampInFrontOfAFullNoteIsCutAt1023Bytes) {
    const std::string full(kMaxTextBytes, 'x');
    const HWND note = OpenTextNote(full.c_str());
    StampWindow clock;
    std::string stamped;
    bool enabled = true;
    ScriptStamp(clock, 3, false, false, stamped, enabled);
    SendMessageA(note, WM_LBUTTONDBLCLK, 0, 0);
    ASSERT_TRUE(DialogScriptDone());
    const std::string kept(kMaxTextBytes - 10, 'x'); // "YY/MM/DD" and CR LF take 10 bytes
    EXPECT_TRUE(clock.Matches(stamped, 3, false, kept)) << "got " << stamped.substr(0, 20);
    EXPECT_EQ(std::strlen(NoteTable[0].text), 1023u);
}

TEST_F(MemoInputTest, AnEditFieldLongerThan1023BytesIsCut) {
    const HWND note = OpenTextNote("short");
    const std::string typed = std::string(1020, 'a') + "bcdefg";
    ExpectDialogs({{kMemoCaption, [&](HWND memo) {
                        SetDlgItemTextA(memo, IDC_MEMO_EDIT, typed.c_str());
                        PressButton(memo, IDOK);
                    }}});
    SendMessageA(note, WM_LBUTTONDBLCLK, 0, 0);
    ASSERT_TRUE(DialogScriptDone());
    EXPECT_EQ(std::string(NoteTable[0].text), std::string(1020, 'a') + "bcd");
    EXPECT_EQ(SavedText(), std::string(1020, 'a') + "bcd");
}

// A record from the notes file may fill its whole text field; the dialog shows 1023 bytes.
TEST_F(MemoInputTest, ATextWithoutTerminatorIsShownCut) {
    const HWND note = OpenTextNote("");
    std::memset(NoteTable[0].text, 'z', kTextSize);
    std::string shown;
    ExpectDialogs({{kMemoCaption, [&](HWND memo) {
                        shown = ControlText(memo, IDC_MEMO_EDIT);
                        PressButton(memo, IDCANCEL);
                    }}});
    SendMessageA(note, WM_LBUTTONDBLCLK, 0, 0);
    ASSERT_TRUE(DialogScriptDone());
    EXPECT_EQ(shown, std::string(kMaxTextBytes, 'z'));
}

static bool InputMethodOpen(HWND window) {
    const HIMC context = ImmGetContext(window);
    const bool open = ImmGetOpenStatus(context) != FALSE;
    ImmReleaseContext(window, context);
    return open;
}

TEST_F(MemoInputTest, InputMethodIsOpenWhileTheDialogIsUpWhenAskedFor) {
    const HWND note = OpenTextNote("text");
    for (const int button : {IDOK, IDCANCEL, 0}) {
        imeControl = 1;
        bool openWhileUp = false;
        ExpectDialogs({{kMemoCaption, [&, button](HWND memo) {
                            openWhileUp = InputMethodOpen(GetDlgItem(memo, IDC_MEMO_EDIT));
                            if (button)
                                PressButton(memo, button);
                            else
                                PostMessageA(memo, WM_CLOSE, 0, 0);
                        }}});
        char editBuffer[kTextSize] = "text";
        RunMemoInputDialog(note, editBuffer);
        ASSERT_TRUE(DialogScriptDone());
        EXPECT_TRUE(openWhileUp) << "button " << button;
        // The edit field is gone; the thread's input context is the one it used.
        EXPECT_FALSE(InputMethodOpen(note)) << "button " << button;
    }
    imeControl = 0;
    bool openWhileUp = true;
    ExpectDialogs({{kMemoCaption, [&](HWND memo) {
                        openWhileUp = InputMethodOpen(GetDlgItem(memo, IDC_MEMO_EDIT));
                        PressButton(memo, IDCANCEL);
                    }}});
    char editBuffer[kTextSize] = "text";
    RunMemoInputDialog(note, editBuffer);
    ASSERT_TRUE(DialogScriptDone());
    EXPECT_FALSE(openWhileUp) << "without the setting the input method is not touched";
}
