#include "tests/win32/harness.h"

#include "app/commands.h"
#include "platform/program.h"
#include "platform/program_files.h"
#include "res/resource.h"
#include "settings/defaults.h"
#include "store/note_table.h"

#include <cstring>
#include <string>

class ColorFontTest : public ProgramTest {};

static const std::string kColorCaption = PlatformCaption("\x90\x46", "Color"); // 色
static const std::string kFontCaption =
    PlatformCaption("\x83\x74\x83\x48\x83\x93\x83\x67\x82\xcc\x8e\x77\x92\xe8", "Font"); // フォントの指定

// Control ids of the platform's colour and font dialogs.
constexpr int kRedEdit = 706, kGreenEdit = 707, kBlueEdit = 708, kAddCustomColor = 712, kCustomColors = 721;
constexpr int kFaceCombo = 1136, kSizeCombo = 1138, kColorCombo = 1139;

static bool Saved(HWND window, UINT id) {
    DeleteFileW(notesPath);
    SendMessageA(window, WM_COMMAND, id, 0);
    return FileIsThere(notesPath);
}

static HWND OpenColoredNote(COLORREF back) {
    NoteRecord r = MakeRecord(10, 10, 120, 60, "a");
    r.backColor = back;
    return OpenNote(r);
}

static std::string OfferedColor(HWND dialog) {
    return ControlText(dialog, kRedEdit) + "," + ControlText(dialog, kGreenEdit) + "," +
           ControlText(dialog, kBlueEdit);
}

// Types the colour into the dialog's red, green and blue fields, as a user defining one would.
static void TypeColor(HWND dialog, int red, int green, int blue) {
    const int values[] = {red, green, blue};
    const int edits[] = {kRedEdit, kGreenEdit, kBlueEdit};
    for (int i = 0; i < 3; ++i) {
        SetDlgItemInt(dialog, edits[i], values[i], FALSE);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(edits[i], EN_UPDATE),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, edits[i])));
    }
}

// Clicks the first box of the custom colours.
static void ClickFirstCustomColor(HWND dialog) {
    RECT box;
    GetWindowRect(GetDlgItem(dialog, kCustomColors), &box);
    POINT p = {box.left + 4, box.top + 4};
    ScreenToClient(dialog, &p);
    SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
}

TEST_F(ColorFontTest, ColorDialogOffersTheNotesColorAndOkRecolorsAndSaves) {
    const HWND note = OpenColoredNote(RGB(255, 255, 128));
    std::string offered;
    HWND owner = nullptr;
    ExpectDialogs({{kColorCaption, [&](HWND dialog) {
                        offered = OfferedColor(dialog);
                        owner = GetWindow(dialog, GW_OWNER);
                        TypeColor(dialog, 16, 32, 48);
                        PressButton(dialog, IDOK);
                    }}});
    EXPECT_TRUE(Saved(note, IDM_BACK_COLOR));
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_EQ(offered, "255,255,128");
    EXPECT_EQ(owner, note);
    EXPECT_EQ(NoteTable[0].backColor, RGB(16, 32, 48));
    EXPECT_EQ(PixelAt(note, 100, 45), RGB(16, 32, 48)) << "repainted in the new colour";
    const std::string saved = ReadFileBytes(notesPath);
    ASSERT_EQ(saved.size(), sizeof(NoteRecord));
    EXPECT_EQ(saved.substr(offsetof(NoteRecord, backColor), 4), std::string("\x10\x20\x30\x00", 4));
}

TEST_F(ColorFontTest, ColorDialogCancelledChangesNothingAndDoesNotSave) {
    const HWND note = OpenColoredNote(RGB(255, 255, 128));
    ExpectDialogs({{kColorCaption, [](HWND dialog) {
                        TypeColor(dialog, 16, 32, 48);
                        PressButton(dialog, IDCANCEL);
                    }}});
    EXPECT_FALSE(Saved(note, IDM_BACK_COLOR));
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_EQ(NoteTable[0].backColor, RGB(255, 255, 128));
}

TEST_F(ColorFontTest, ACustomColorIsOfferedAgainByTheNextColorCommand) {
    const HWND one = OpenColoredNote(RGB(255, 255, 128));
    const HWND two = OpenColoredNote(RGB(255, 255, 128));
    ExpectDialogs({{kColorCaption, [](HWND dialog) {
                        TypeColor(dialog, 0x12, 0x34, 0x56);
                        PressButton(dialog, kAddCustomColor);
                        PressButton(dialog, IDCANCEL);
                    }}});
    SendMessageA(one, WM_COMMAND, IDM_BACK_COLOR, 0);
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_EQ(customColors[0], RGB(0x12, 0x34, 0x56));

    ExpectDialogs({{kColorCaption, [](HWND dialog) {
                        ClickFirstCustomColor(dialog);
                        PressButton(dialog, IDOK);
                    }}});
    EXPECT_TRUE(Saved(two, IDM_BACK_COLOR));
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_EQ(NoteTable[1].backColor, RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(NoteTable[0].backColor, RGB(255, 255, 128));
}

// ---- Font ----

static HWND OpenNoteWithFont(const char *face, int height, COLORREF textColor) {
    NoteRecord r = MakeRecord(10, 10, 200, 80, "abc");
    std::memset(&r.font, 0, sizeof r.font);
    r.font.lfHeight = height;
    r.font.lfWeight = FW_NORMAL;
    r.font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(r.font.lfFaceName, face, sizeof r.font.lfFaceName);
    r.fontDialog.rgbColors = textColor;
    return OpenNote(r);
}

static std::string SelectedText(HWND dialog, int combo) {
    char text[128] = "";
    const LRESULT index = SendDlgItemMessageA(dialog, combo, CB_GETCURSEL, 0, 0);
    SendDlgItemMessageA(dialog, combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

static COLORREF SelectedColor(HWND dialog) {
    const LRESULT index = SendDlgItemMessageA(dialog, kColorCombo, CB_GETCURSEL, 0, 0);
    return static_cast<COLORREF>(SendDlgItemMessageA(dialog, kColorCombo, CB_GETITEMDATA, index, 0));
}

// Chooses an entry of a combo box as the user would, so that the dialog takes note of it.
static void Choose(HWND dialog, int combo, LRESULT index) {
    SendDlgItemMessageA(dialog, combo, CB_SETCURSEL, index, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(combo, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, combo)));
}

static void ChooseText(HWND dialog, int combo, const char *text) {
    Choose(dialog, combo,
           SendDlgItemMessageA(dialog, combo, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(text)));
}

static void PickTextColor(HWND dialog, COLORREF color) {
    const LRESULT count = SendDlgItemMessageA(dialog, kColorCombo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i)
        if (static_cast<COLORREF>(SendDlgItemMessageA(dialog, kColorCombo, CB_GETITEMDATA, i, 0)) == color)
            Choose(dialog, kColorCombo, i);
}

static int PixelsPerInch() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

TEST_F(ColorFontTest, FontDialogOffersTheNotesFontAndOkChangesFontAndTextColor) {
    const HWND note = OpenNoteWithFont("DejaVu Serif", -MulDiv(12, PixelsPerInch(), 72), RGB(255, 0, 0));
    std::string face, size;
    COLORREF color = 0;
    HWND owner = nullptr;
    ExpectDialogs({{kFontCaption, [&](HWND dialog) {
                        face = SelectedText(dialog, kFaceCombo);
                        size = SelectedText(dialog, kSizeCombo);
                        color = SelectedColor(dialog);
                        owner = GetWindow(dialog, GW_OWNER);
                        ChooseText(dialog, kFaceCombo, "DejaVu Sans Mono");
                        ChooseText(dialog, kSizeCombo, "20");
                        PickTextColor(dialog, RGB(0, 0, 255));
                        PressButton(dialog, IDOK);
                    }}});
    EXPECT_TRUE(Saved(note, IDM_FONT));
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_EQ(face, "DejaVu Serif");
    EXPECT_EQ(size, "12");
    EXPECT_EQ(color, RGB(255, 0, 0)) << "the note's text colour is offered";
    EXPECT_EQ(owner, note);

    const NoteRecord &r = NoteTable[0];
    EXPECT_STREQ(r.font.lfFaceName, "DejaVu Sans Mono");
    EXPECT_EQ(r.font.lfHeight, -MulDiv(20, PixelsPerInch(), 72));
    EXPECT_EQ(TextColorOf(r), RGB(0, 0, 255));
    EXPECT_EQ(r.fontDialog.lStructSize, 60u);
    EXPECT_EQ(r.fontDialog.lpLogFont, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&NoteTable[0].font)))
        << "the stored block points at the note's own LOGFONT";
    const std::string saved = ReadFileBytes(notesPath);
    ASSERT_EQ(saved.size(), sizeof(NoteRecord));
    EXPECT_EQ(std::string(saved.c_str() + offsetof(NoteRecord, font) + offsetof(LogFontBytes, lfFaceName)),
              "DejaVu Sans Mono");
}

TEST_F(ColorFontTest, FontDialogCancelledChangesNothingAndDoesNotSave) {
    const HWND note = OpenNoteWithFont("DejaVu Serif", -16, RGB(255, 0, 0));
    const NoteRecord before = NoteTable[0];
    ExpectDialogs({{kFontCaption, [](HWND dialog) {
                        ChooseText(dialog, kFaceCombo, "DejaVu Sans Mono");
                        PickTextColor(dialog, RGB(0, 0, 255));
                        PressButton(dialog, IDCANCEL);
                    }}});
    EXPECT_FALSE(Saved(note, IDM_FONT));
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_EQ(std::memcmp(&NoteTable[0], &before, sizeof before), 0);
}
