#include "tests/win32/harness.h"
#include "tests/sjis_words.h"

#include "app/commands.h"
#include "notes/create_note.h"
#include "platform/program.h"
#include "platform/program_files.h"
#include "res/resource.h"
#include "settings/default_settings_dialog.h"
#include "settings/defaults.h"
#include "settings/profile_text.h"
#include "settings/defaults_file.h"
#include "settings/defaults_record.h"
#include "settings/settings.h"
#include "store/note_table.h"

#include <cstring>
#include <string>

class DefaultSettingsTest : public ProgramTest {};

static const char kDefaultsCaption[] = SJ_DEFAULTS;
static const int kBoxes[] = {IDC_INHERIT_BACK_COLOR, IDC_INHERIT_FONT, IDC_DEF_SIZE,
                             IDC_DEF_POSITION,       IDC_INHERIT_MODE, IDC_INHERIT_WRAP};

// Checks the boxes and presses the button; the boxes were all unchecked on opening.
static void ScriptDefaults(std::vector<int> boxes, int button, bool *startedClear = nullptr) {
    ExpectDialogs({{kDefaultsCaption, [boxes, button, startedClear](HWND dialog) {
                        bool clear = true;
                        for (const int id : kBoxes)
                            clear = clear && !IsChecked(dialog, id);
                        if (startedClear) *startedClear = clear;
                        for (const int id : boxes)
                            SetCheck(dialog, id, true);
                        PressButton(dialog, button);
                    }}});
}

static std::string Le32(uint32_t value) {
    const char bytes[4] = {char(value), char(value >> 8), char(value >> 16), char(value >> 24)};
    return std::string(bytes, 4);
}

static std::string DefaultsFileBytes() {
    return ReadFileBytes(defaultsPath);
}

static std::string SettingText(const char *key) {
    return ProfileValue(ReadFileBytes(settingsPath), SJ_CREATION, key, "missing",
                        32); // 作成方法
}

TEST_F(DefaultSettingsTest, SavingTheSizeWritesItAndTheNextNewNoteTakesIt) {
    const HWND note = OpenNote(MakeRecord(40, 60, 300, 200, "sized"));
    bool startedClear = false;
    ScriptDefaults({IDC_DEF_SIZE}, IDOK, &startedClear);
    EXPECT_EQ(DefaultSettingsDialog(note), 1);
    ASSERT_TRUE(DialogScriptDone());
    EXPECT_TRUE(startedClear);

    std::string expected(156, '\0');
    expected[1] = 0x0C;
    expected.replace(20, 4, Le32(300));
    expected.replace(24, 4, Le32(200));
    EXPECT_EQ(DefaultsFileBytes(), expected);
    EXPECT_EQ(templateNote.width, 300);
    EXPECT_EQ(templateNote.height, 200);
    EXPECT_EQ(templateNote.x, 150) << "position was not saved";

    // A note that does not inherit its position is made from the template.
    inheritPosition = 0;
    CreateNote(note, 1);
    ASSERT_EQ(noteCount, 2);
    EXPECT_EQ(NoteTable[1].width, 300);
    EXPECT_EQ(NoteTable[1].height, 200);
    const RECT r = WindowRectOf(NoteWindowOf(NoteTable[1]));
    EXPECT_EQ(r.left, 150);
    EXPECT_EQ(r.right - r.left, 300);
    EXPECT_EQ(r.bottom - r.top, 200);
}

TEST_F(DefaultSettingsTest, SavingTheDisplayModeSetsTheInheritanceAndTheSettingsFile) {
    NoteRecord record = MakeRecord(40, 60, 200, 80, "topmost");
    record.displayMode = kModeTopmost;
    record.taskbarFlag = 0;
    const HWND note = OpenNote(record);
    inheritDisplayMode = 0;
    inheritTaskbar = 1;
    ScriptDefaults({IDC_INHERIT_MODE}, IDOK);
    DispatchCommand(note, IDM_DEFAULT_SETTINGS); // ends with SaveAll
    ASSERT_TRUE(DialogScriptDone());

    std::string expected(156, '\0');
    expected[0] = 0x01;
    expected[1] = 0x10;
    expected[28] = 1;
    EXPECT_EQ(DefaultsFileBytes(), expected);
    EXPECT_EQ(inheritDisplayMode, 1);
    EXPECT_EQ(inheritTaskbar, 0);
    EXPECT_EQ(SettingText("\x95\x5c\x8e\xa6\x83\x82\x81\x5b\x83\x68"), "1"); // 表示モード
    EXPECT_EQ(SettingText("\x83\x5e\x83\x58\x83\x4e\x83\x6f\x81\x5b\x95\x5c\x8e\xa6"), "0"); // タスクバー表示
}

TEST_F(DefaultSettingsTest, SavingWithNothingCheckedWritesZerosAndChangesNothing) {
    const HWND note = OpenNote(MakeRecord(40, 60, 300, 200, "any"));
    const TemplateNote before = templateNote;
    inheritDisplayMode = 2;
    inheritTaskbar = inheritWrap = 1;
    ScriptDefaults({}, IDOK);
    EXPECT_EQ(DefaultSettingsDialog(note), 1);
    ASSERT_TRUE(DialogScriptDone());
    EXPECT_EQ(DefaultsFileBytes(), std::string(156, '\0'));
    EXPECT_EQ(std::memcmp(&templateNote, &before, sizeof before), 0);
    EXPECT_EQ(inheritDisplayMode, 2);
    EXPECT_EQ(inheritTaskbar, 1);
    EXPECT_EQ(inheritWrap, 1);
}

TEST_F(DefaultSettingsTest, SelectAllAndClearAllSetEveryBoxAndSaveTakesEveryField) {
    NoteRecord record = MakeRecord(40, 60, 300, 200, "all");
    record.backColor = 0x00336699;
    record.wrapFlag = 1;
    record.taskbarFlag = 1;
    record.fontDialog.rgbColors = 0x00112233;
    const HWND note = OpenNote(record);
    int checkedAfterSelect = 0, checkedAfterClear = 6;
    auto count = [](HWND dialog) {
        int checked = 0;
        for (const int id : kBoxes)
            checked += IsChecked(dialog, id);
        return checked;
    };
    ExpectDialogs({
        {kDefaultsCaption, [](HWND dialog) { PressButton(dialog, IDC_DEF_SELECT_ALL); }},
        {kDefaultsCaption,
         [&](HWND dialog) {
             checkedAfterSelect = count(dialog);
             PressButton(dialog, IDC_DEF_CLEAR_ALL);
         }},
        {kDefaultsCaption,
         [&](HWND dialog) {
             checkedAfterClear = count(dialog);
             PressButton(dialog, IDC_DEF_SELECT_ALL);
         }},
        {kDefaultsCaption, [](HWND dialog) { PressButton(dialog, IDOK); }},
    });
    EXPECT_EQ(DefaultSettingsDialog(note), 1);
    ASSERT_TRUE(DialogScriptDone());
    EXPECT_EQ(checkedAfterSelect, 6);
    EXPECT_EQ(checkedAfterClear, 0);

    const std::string bytes = DefaultsFileBytes();
    ASSERT_EQ(bytes.size(), 156u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x03\xFF\x01\x01", 4)) << "mask 0xFF03, taskbar, wrap";
    EXPECT_EQ(bytes.substr(12, 16), Le32(40) + Le32(60) + Le32(300) + Le32(200));
    EXPECT_EQ(bytes.substr(32, 4), Le32(0x00336699));
    EXPECT_EQ(bytes.substr(36, 60), Bytes(&NoteTable[0].font, 60));
    EXPECT_EQ(bytes.substr(120, 4), Le32(0x00112233));
    EXPECT_EQ(templateNote.backColor, 0x00336699u);
    EXPECT_EQ(templateNote.fontDialog.rgbColors, 0x00112233u);
    EXPECT_EQ(inheritWrap, 1);
    EXPECT_EQ(inheritTaskbar, 1);
}

TEST_F(DefaultSettingsTest, CancelAndCloseWriteNothing) {
    const HWND note = OpenNote(MakeRecord(40, 60, 300, 200, "any"));
    ScriptDefaults({IDC_DEF_SIZE}, IDCANCEL);
    EXPECT_EQ(DefaultSettingsDialog(note), 0);
    ASSERT_TRUE(DialogScriptDone());
    ExpectDialogs({{kDefaultsCaption, [](HWND dialog) {
                        SetCheck(dialog, IDC_DEF_SIZE, true);
                        PostMessageA(dialog, WM_CLOSE, 0, 0);
                    }}});
    EXPECT_EQ(DefaultSettingsDialog(note), 0);
    ASSERT_TRUE(DialogScriptDone());
    EXPECT_FALSE(FileIsThere(defaultsPath));
    EXPECT_EQ(templateNote.width, 220);
}

TEST_F(DefaultSettingsTest, ResetRemovesTheFileAndNewNotesUseTheBuiltInTemplateAtOnce) {
    const HWND note = OpenNote(MakeRecord(40, 60, 300, 200, "sized"));
    ScriptDefaults({IDC_DEF_SIZE, IDC_DEF_POSITION, IDC_INHERIT_BACK_COLOR}, IDOK);
    DefaultSettingsDialog(note);
    ASSERT_TRUE(DialogScriptDone());
    ASSERT_TRUE(FileIsThere(defaultsPath));
    templateNote.fontDialog.rgbColors = 0x00ABCDEF;
    std::strcpy(templateNote.font.lfFaceName, "Not the system font");
    inheritDisplayMode = 1;

    ScriptDefaults({IDC_DEF_SIZE}, IDC_DEF_RESET);
    EXPECT_EQ(DefaultSettingsDialog(note), 0);
    ASSERT_TRUE(DialogScriptDone());
    EXPECT_FALSE(FileIsThere(defaultsPath));
    EXPECT_EQ(inheritDisplayMode, 1) << "the inheritance settings stay";

    LOGFONTA systemFont;
    GetObjectA(GetStockObject(SYSTEM_FONT), sizeof systemFont, &systemFont);
    EXPECT_EQ(templateNote.font.lfHeight, systemFont.lfHeight);
    EXPECT_EQ(templateNote.font.lfWeight, systemFont.lfWeight);
    EXPECT_STREQ(templateNote.font.lfFaceName, systemFont.lfFaceName);
    EXPECT_EQ(templateNote.fontDialog.rgbColors, GetSysColor(COLOR_WINDOWTEXT));

    inheritPosition = 0;
    CreateNote(note, 1);
    ASSERT_EQ(noteCount, 2);
    const NoteRecord &created = NoteTable[1];
    const RECT r = WindowRectOf(NoteWindowOf(created));
    EXPECT_EQ(r.left, 150);
    EXPECT_EQ(r.top, 100);
    EXPECT_EQ(r.right - r.left, 220);
    EXPECT_EQ(r.bottom - r.top, 66);
    EXPECT_EQ(created.backColor, 0x80FFFFu);
}

TEST_F(DefaultSettingsTest, DefaultsCommandSavesWhateverTheDialogReturns) {
    const HWND note = OpenNote(MakeRecord(40, 60, 300, 200, "saved on cancel"));
    ScriptDefaults({}, IDCANCEL);
    DispatchCommand(note, IDM_DEFAULT_SETTINGS);
    ASSERT_TRUE(DialogScriptDone());
    const std::string notes = ReadFileBytes(notesPath);
    ASSERT_EQ(notes.size(), sizeof(NoteRecord));
    EXPECT_STREQ(notes.c_str() + offsetof(NoteRecord, text), "saved on cancel");
    EXPECT_TRUE(FileIsThere(settingsPath));
}

static std::string RecordBytes(uint16_t mask, int width, int height) {
    std::string bytes(156, '\0');
    bytes[0] = char(mask);
    bytes[1] = char(mask >> 8);
    bytes.replace(20, 4, Le32(width));
    bytes.replace(24, 4, Le32(height));
    return bytes;
}

TEST_F(DefaultSettingsTest, ADefaultsFileShorterThan156BytesAppliesNothing) {
    WriteFileBytes(defaultsPath, RecordBytes(0x0C00, 300, 200).substr(0, 155));
    LoadDefaultsFile(1);
    EXPECT_EQ(templateNote.width, 220);
    EXPECT_EQ(templateNote.height, 66);
    EXPECT_EQ(NoteTable[0].width, 220) << "the template still goes into slot 0";

    WriteFileBytes(defaultsPath, RecordBytes(0x0C00, 300, 200));
    LoadDefaultsFile(0);
    EXPECT_EQ(templateNote.width, 300);
    EXPECT_EQ(templateNote.height, 200);
    EXPECT_EQ(NoteTable[0].width, 220) << "applyToSlot 0 leaves slot 0";
}

TEST_F(DefaultSettingsTest, SavingFromAWindowThatIsNoOpenNoteWritesNothing) {
    OpenNote(MakeRecord(40, 60, 300, 200, "open"));
    SaveDefaultsFile(mainWindow, 0xFF03);
    EXPECT_FALSE(FileIsThere(defaultsPath));
    EXPECT_EQ(templateNote.width, 220);
    EXPECT_EQ(templateNote.height, 66);
}

// The failure is reported, as every failed save is, and the template keeps its values.
TEST_F(DefaultSettingsTest, AFileThatCannotBeWrittenIsReportedAndLeavesTheTemplate) {
    const HWND note = OpenNote(MakeRecord(40, 60, 300, 200, "sized"));
    ASSERT_TRUE(CreateDirectoryW(defaultsPath, nullptr)); // nothing can replace a folder
    std::string warning;
    ExpectDialogs({{kDefaultsCaption,
                    [](HWND dialog) {
                        SetCheck(dialog, IDC_DEF_SIZE, true);
                        PressButton(dialog, IDOK);
                    }},
                   {ERROR_CAPTION, [&](HWND box) {
                        warning = MessageBoxText(box);
                        PressButton(box, IDOK);
                    }}});
    EXPECT_EQ(DefaultSettingsDialog(note), 1);
    ASSERT_TRUE(DialogScriptDone());
    RemoveDirectoryW(defaultsPath);
    EXPECT_NE(warning.find(Narrow(defaultsPath)), std::string::npos) << warning;
    EXPECT_EQ(templateNote.width, 220);
    SaveDefaultsFile(note, 0); // ends the run of failures
}

// After a reset the built-in template also holds after the next start.
TEST_F(DefaultSettingsTest, ResetHoldsAfterARestart) {
    ProgramRun run;
    WriteFileBytes(run.DataFile(".INI"), "[" SJ_CREATION "]\r\n" SJ_OPEN_FIRST "=1\r\n");
    WriteFileBytes(run.DataFile(".DEF"), RecordBytes(0x0C00, 300, 200));
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(run.WaitUntilRunning());
    ASSERT_TRUE(run.WaitForNotes(1));
    HWND note = run.NoteWindows().front();
    RECT r = WindowRectOf(note);
    EXPECT_EQ(r.right - r.left, 300);
    EXPECT_EQ(r.bottom - r.top, 200);

    PostMessageA(note, WM_COMMAND, IDM_DEFAULT_SETTINGS, 0);
    const HWND dialog = run.WaitForDialog(kDefaultsCaption);
    ASSERT_TRUE(dialog);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_DEF_RESET, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_DEF_RESET)));
    EXPECT_TRUE(WaitFor([&] { return !FileIsThere(run.DataFile(".DEF")); }));
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    run.Kill();

    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(run.WaitUntilRunning());
    ASSERT_TRUE(run.WaitForNotes(1));
    note = run.NoteWindows().front();
    r = WindowRectOf(note);
    EXPECT_EQ(r.left, 150);
    EXPECT_EQ(r.top, 100);
    EXPECT_EQ(r.right - r.left, 220);
    EXPECT_EQ(r.bottom - r.top, 66);
}
