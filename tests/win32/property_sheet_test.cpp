#include "tests/win32/harness.h"

#include "app/commands.h"
#include "platform/program.h"
#include "platform/system_dlls.h"
#include "res/resource.h"
#include "settings/defaults.h"
#include "settings/property_sheet.h"
#include "settings/settings.h"
#include "store/note_table.h"

#include <commctrl.h>

static const char kSheetCaption[] =
    "\x83\x5e\x83\x94\x83\x8d\x82\xcc\xcc\xdf\xdb\xca\xdf\xc3\xa8"; // タヴロのﾌﾟﾛﾊﾟﾃｨ

class PropertySheetTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        InitCommonControlsFromSystem();
    }
};

// A step that acts on the page the sheet shows, after switching to the given page first.
static DialogStep OnPage(int index, std::function<void(HWND sheet, HWND page)> act) {
    return {kSheetCaption, [index, act](HWND sheet) {
                PropSheet_SetCurSel(sheet, nullptr, index);
                act(sheet, PropSheet_GetCurrentPageHwnd(sheet));
            }};
}

static DialogStep Press(int button) {
    return {kSheetCaption, [button](HWND sheet) { PropSheet_PressButton(sheet, button); }};
}

// A click as the user makes it: the button changes its own state and tells the page.
static void Click(HWND page, int id) {
    SendDlgItemMessageA(page, id, BM_CLICK, 0, 0);
}

static bool Enabled(HWND page, int id) {
    return IsWindowEnabled(GetDlgItem(page, id)) != FALSE;
}

// The one checked button among the ids, or 0.
static int CheckedAmong(HWND page, int first, int last) {
    for (int id = first; id <= last; ++id)
        if (IsChecked(page, id)) return id;
    return 0;
}

TEST_F(PropertySheetTest, ACornerEnablesItsTwoDirectionsAndForcesTheColumnOne) {
    arrangeCorner = IDC_CORNER_TOP_LEFT;
    arrangeDirection = IDC_DIRECTION_DOWN;
    int direction = 0, sortKeyShown = 0;
    bool rightEnabled = true, downEnabled = true, leftEnabled = false, upEnabled = false;
    ExpectDialogs({OnPage(0,
                          [&](HWND, HWND page) {
                              Click(page, IDC_CORNER_BOTTOM_RIGHT);
                              direction = CheckedAmong(page, IDC_DIRECTION_RIGHT, IDC_DIRECTION_UP);
                              sortKeyShown = CheckedAmong(page, IDC_SORT_CREATION, IDC_SORT_COLOR);
                              rightEnabled = Enabled(page, IDC_DIRECTION_RIGHT);
                              downEnabled = Enabled(page, IDC_DIRECTION_DOWN);
                              leftEnabled = Enabled(page, IDC_DIRECTION_LEFT);
                              upEnabled = Enabled(page, IDC_DIRECTION_UP);
                              Click(page, IDC_SORT_COLOR);
                              Click(page, IDC_SORT_DESCENDING);
                          }),
                   Press(PSBTN_OK)});
    const INT_PTR result = OpenPropertySheet(mainWindow, SheetPages::ArrangementOnly);
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_NE(result, 0);
    EXPECT_EQ(direction, IDC_DIRECTION_UP);
    EXPECT_EQ(sortKeyShown, IDC_SORT_CREATION) << "the other sets are marked again after the click";
    EXPECT_FALSE(rightEnabled);
    EXPECT_FALSE(downEnabled);
    EXPECT_TRUE(leftEnabled);
    EXPECT_TRUE(upEnabled);
    EXPECT_EQ(arrangeCorner, IDC_CORNER_BOTTOM_RIGHT);
    EXPECT_EQ(arrangeDirection, IDC_DIRECTION_UP);
    EXPECT_EQ(sortKey, IDC_SORT_COLOR);
    EXPECT_EQ(sortOrder, IDC_SORT_DESCENDING);
}

TEST_F(PropertySheetTest, AStoredPairThatDoesNotFitIsShownAndStoredFitting) {
    arrangeCorner = IDC_CORNER_TOP_LEFT;
    arrangeDirection = IDC_DIRECTION_UP;
    int corner = 0, direction = 0;
    ExpectDialogs({OnPage(0,
                          [&](HWND, HWND page) {
                              corner = CheckedAmong(page, IDC_CORNER_TOP_LEFT, IDC_CORNER_BOTTOM_LEFT);
                              direction = CheckedAmong(page, IDC_DIRECTION_RIGHT, IDC_DIRECTION_UP);
                          }),
                   Press(PSBTN_OK)});
    OpenPropertySheet(mainWindow, SheetPages::ArrangementOnly);
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_EQ(corner, IDC_CORNER_TOP_LEFT);
    EXPECT_EQ(direction, IDC_DIRECTION_DOWN);
    EXPECT_EQ(arrangeDirection, IDC_DIRECTION_DOWN);
}

TEST_F(PropertySheetTest, CancelKeepsTheSettingsAndReturnsZero) {
    arrangeCorner = IDC_CORNER_TOP_LEFT;
    arrangeDirection = IDC_DIRECTION_UP;
    ExpectDialogs(
        {OnPage(0, [&](HWND, HWND page) { Click(page, IDC_CORNER_BOTTOM_LEFT); }), Press(PSBTN_CANCEL)});
    EXPECT_EQ(OpenPropertySheet(mainWindow, SheetPages::ArrangementOnly), 0);
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_EQ(arrangeCorner, IDC_CORNER_TOP_LEFT);
    EXPECT_EQ(arrangeDirection, IDC_DIRECTION_UP) << "even the pair that does not fit stays as stored";
}

constexpr int kApplyButton = 0x3021; // the sheet's own Apply button

// Apply is enabled by any click on a page; the arrangement page marks itself while it sets up,
// and the other page when it fills in the spacing. (Wine disables Apply again after it has set
// up the sheet's first page, so these two are checked as later pages.)
TEST_F(PropertySheetTest, PagesMarkTheSheetChanged) {
    struct Case {
        SheetPages pages;
        int pageIndex;
        bool enabledAtOnce;
    };
    for (const Case c : {Case{SheetPages::CreationOnly, 0, false}, Case{SheetPages::All, 1, true},
                         Case{SheetPages::All, 2, true}}) {
        bool atOnce = !c.enabledAtOnce, afterClick = false;
        ExpectDialogs({OnPage(c.pageIndex,
                              [&](HWND sheet, HWND page) {
                                  atOnce = Enabled(sheet, kApplyButton);
                                  Click(page, c.pageIndex == 2 ? IDC_LOG_ENABLED : IDC_SORT_TEXT);
                                  Click(page, IDC_INHERIT_WRAP);
                                  afterClick = Enabled(sheet, kApplyButton);
                              }),
                       Press(PSBTN_CANCEL)});
        OpenPropertySheet(mainWindow, c.pages);
        EXPECT_TRUE(DialogScriptDone());
        EXPECT_EQ(atOnce, c.enabledAtOnce) << "page set " << static_cast<int>(c.pages);
        EXPECT_TRUE(afterClick) << "page set " << static_cast<int>(c.pages);
    }
}

TEST_F(PropertySheetTest, SpacingIsClampedAndNonNumbersReadAsZero) {
    struct Case {
        const char *typed;
        int stored;
    };
    for (const Case c : {Case{"100", 63}, Case{"-5", 0}, Case{"abc", 0}, Case{"12", 12}}) {
        noteSpacing = 3;
        std::string shown;
        ExpectDialogs({OnPage(2,
                              [&](HWND, HWND page) {
                                  shown = ControlText(page, IDC_SPACING);
                                  SetDlgItemTextA(page, IDC_SPACING, c.typed);
                              }),
                       Press(PSBTN_OK)});
        OpenPropertySheet(mainWindow, SheetPages::All);
        EXPECT_TRUE(DialogScriptDone());
        EXPECT_EQ(shown, "3");
        EXPECT_EQ(noteSpacing, c.stored) << "typed " << c.typed;
    }
}

TEST_F(PropertySheetTest, CheckBoxesShowAndStoreTheirSettings) {
    inheritPosition = 5; // any non-zero value is on
    inheritFont = 0;
    logEnabled = 1;
    bool positionShown = false, fontShown = true, logShown = false, reservedEnabled = true;
    ExpectDialogs({OnPage(0,
                          [&](HWND, HWND page) {
                              positionShown = IsChecked(page, IDC_INHERIT_POSITION);
                              fontShown = IsChecked(page, IDC_INHERIT_FONT);
                              reservedEnabled =
                                  Enabled(page, IDC_RESERVED_4017) || Enabled(page, IDC_RESERVED_4020);
                              Click(page, IDC_INHERIT_FONT);
                              Click(page, IDC_OPEN_INPUT_AT_ONCE);
                          }),
                   OnPage(2,
                          [&](HWND, HWND page) {
                              logShown = IsChecked(page, IDC_LOG_ENABLED);
                              Click(page, IDC_LOG_ENABLED);
                              Click(page, IDC_IME_CONTROL);
                          }),
                   Press(PSBTN_OK)});
    OpenPropertySheet(mainWindow, SheetPages::All);
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_TRUE(positionShown);
    EXPECT_FALSE(fontShown);
    EXPECT_TRUE(logShown);
    EXPECT_FALSE(reservedEnabled);
    EXPECT_EQ(inheritPosition, 1) << "a ticked box stores 1";
    EXPECT_EQ(inheritFont, 1);
    EXPECT_EQ(openInputAtOnce, 1);
    EXPECT_EQ(logEnabled, 0);
    EXPECT_EQ(imeControl, 1);
}

TEST_F(PropertySheetTest, ShiftNewNoteCreatesANoteOnlyWhenTheSheetIsApplied) {
    {
        ShiftScope shift;
        ExpectDialogs({Press(PSBTN_CANCEL)});
        DispatchCommand(mainWindow, IDM_NEW_NOTE);
        EXPECT_TRUE(DialogScriptDone());
    }
    EXPECT_EQ(noteCount, 0) << "cancelled";
    {
        ShiftScope shift;
        ExpectDialogs({Press(PSBTN_OK)});
        DispatchCommand(mainWindow, IDM_NEW_NOTE);
        EXPECT_TRUE(DialogScriptDone());
    }
    EXPECT_EQ(noteCount, 1);
}

// The settings changed on Apply, so the sheet counts as applied even when it is then cancelled.
TEST_F(PropertySheetTest, ApplyThenCancelStillCreatesTheNewNote) {
    ShiftScope shift;
    ExpectDialogs({OnPage(0,
                          [](HWND sheet, HWND page) {
                              Click(page, IDC_INHERIT_WRAP);
                              PropSheet_PressButton(sheet, PSBTN_APPLYNOW);
                          }),
                   Press(PSBTN_CANCEL)});
    DispatchCommand(mainWindow, IDM_NEW_NOTE);
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_EQ(inheritWrap, 1);
    EXPECT_EQ(noteCount, 1);
}

TEST_F(PropertySheetTest, OpenedFromTheTrayTheSheetIsCentred) {
    RECT got = {};
    ExpectDialogs({{kSheetCaption, [&](HWND sheet) {
                        GetWindowRect(sheet, &got);
                        PropSheet_PressButton(sheet, PSBTN_CANCEL);
                    }}});
    DispatchCommand(mainWindow, IDM_PROPERTIES);
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_EQ(got.left, (got.left - got.right) / 2 + screenWidth / 2);
    EXPECT_EQ(got.top, (got.top - got.bottom) / 2 + screenHeight / 2);

    // From a note near the bottom right the sheet stays where the platform puts it, by the note.
    const HWND note = OpenNote(MakeRecord(600, 500, 100, 100, "n"));
    ExpectDialogs({{kSheetCaption, [&](HWND sheet) {
                        GetWindowRect(sheet, &got);
                        PropSheet_PressButton(sheet, PSBTN_CANCEL);
                    }}});
    DispatchCommand(note, IDM_PROPERTIES);
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_NE(got.left, (got.left - got.right) / 2 + screenWidth / 2);
}

static bool ArrangeCommandWaiting() {
    MSG message;
    return PeekMessageA(&message, nullptr, WM_COMMAND, WM_COMMAND, PM_NOREMOVE) &&
           message.wParam == IDM_ARRANGE;
}

TEST_F(PropertySheetTest, ApplyWithArrangeAtOnceArrangesWhileTheSheetStaysOpen) {
    const HWND c = OpenNote(MakeRecord(300, 300, 200, 100, "c"));
    const HWND a = OpenNote(MakeRecord(300, 420, 200, 100, "a"));
    const HWND b = OpenNote(MakeRecord(300, 540, 200, 100, "b"));
    noteSpacing = 10;
    RECT aRect = {}, bRect = {}, cRect = {};
    bool openAfterApply = false;
    ExpectDialogs({OnPage(1,
                          [&](HWND sheet, HWND page) {
                              Click(page, IDC_CORNER_TOP_LEFT);
                              Click(page, IDC_DIRECTION_RIGHT);
                              Click(page, IDC_SORT_TEXT);
                              Click(page, IDC_ARRANGE_AFTER_SHEET);
                              PropSheet_PressButton(sheet, PSBTN_APPLYNOW);
                          }),
                   {kSheetCaption, [&](HWND sheet) {
                        openAfterApply = IsWindowVisible(sheet) != FALSE;
                        WaitFor([&] { return FindNote(a) == 0; }, 3000);
                        GetWindowRect(a, &aRect);
                        GetWindowRect(b, &bRect);
                        GetWindowRect(c, &cRect);
                        PropSheet_PressButton(sheet, PSBTN_CANCEL);
                    }}});
    DispatchCommand(c, IDM_PROPERTIES);
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_TRUE(openAfterApply);
    EXPECT_EQ(aRect.left, 0);
    EXPECT_EQ(bRect.left, 210);
    EXPECT_EQ(cRect.left, 420);
    EXPECT_EQ(cRect.top, 0);
    EXPECT_EQ(FindNote(a), 0) << "the note table is in text order";
}

TEST_F(PropertySheetTest, ShiftArrangeWithOkArrangesAndPostsTheArrangeCommand) {
    const HWND note = OpenNote(MakeRecord(300, 300, 200, 100, "x"));
    arrangeCorner = IDC_CORNER_TOP_LEFT;
    arrangeDirection = IDC_DIRECTION_RIGHT;
    {
        ShiftScope shift;
        ExpectDialogs(
            {OnPage(0, [&](HWND, HWND page) { Click(page, IDC_ARRANGE_AFTER_SHEET); }), Press(PSBTN_OK)});
        DispatchCommand(note, IDM_ARRANGE);
        EXPECT_TRUE(DialogScriptDone());
    }
    RECT r;
    GetWindowRect(note, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_TRUE(ArrangeCommandWaiting()) << "the command posted on apply arrives in the main loop";
    PumpMessages();
}

TEST_F(PropertySheetTest, WithNoNotesApplyPostsNothing) {
    arrangeAfterSheet = 1;
    ExpectDialogs({Press(PSBTN_OK)});
    OpenPropertySheet(mainWindow, SheetPages::ArrangementOnly);
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_FALSE(ArrangeCommandWaiting());
}

TEST_F(PropertySheetTest, WrapAllTurnsWrappingOnForEveryNote) {
    OpenNote(MakeRecord(10, 10, 200, 100, "one"));
    OpenNote(MakeRecord(10, 200, 200, 100, "two"));
    ExpectDialogs({Press(PSBTN_OK)});
    OpenPropertySheet(mainWindow, SheetPages::All);
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_EQ(NoteTable[0].wrapFlag + NoteTable[1].wrapFlag, 0) << "left unticked, no note changes";

    ExpectDialogs({OnPage(2, [](HWND, HWND page) { Click(page, IDC_WRAP_ALL); }), Press(PSBTN_OK)});
    OpenPropertySheet(mainWindow, SheetPages::All);
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_EQ(NoteTable[0].wrapFlag, 1);
    EXPECT_EQ(NoteTable[1].wrapFlag, 1);
}

// Sheets of two notes open at once: the first keeps what was chosen on it, whatever the second
// showed before it was cancelled.
TEST_F(PropertySheetTest, TwoSheetsOpenAtOnceKeepTheirOwnChoices) {
    arrangeCorner = IDC_CORNER_TOP_RIGHT;
    arrangeDirection = IDC_DIRECTION_DOWN;
    HWND firstSheet = nullptr;
    ExpectDialogs({OnPage(0,
                          [&](HWND sheet, HWND page) {
                              firstSheet = sheet;
                              SetWindowTextA(sheet, "first sheet"); // so the next step finds the other
                              Click(page, IDC_CORNER_BOTTOM_RIGHT);
                              OpenPropertySheet(mainWindow, SheetPages::ArrangementOnly);
                              PropSheet_PressButton(firstSheet, PSBTN_OK);
                          }),
                   Press(PSBTN_CANCEL)});
    OpenPropertySheet(mainWindow, SheetPages::ArrangementOnly);
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_EQ(arrangeCorner, IDC_CORNER_BOTTOM_RIGHT);
    EXPECT_EQ(arrangeDirection, IDC_DIRECTION_UP);
}
