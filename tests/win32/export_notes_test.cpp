#include "tests/win32/harness.h"
#include "tests/sjis_words.h"

#include "app/commands.h"
#include "platform/program.h"
#include "res/resource.h"
#include "settings/defaults.h"
#include "store/note_table.h"
#include "textio/export_notes.h"

#include <cstring>

// The captions Wine gives the save-file dialog when the program sets no title and its question
// before replacing a file, and the id of its file-name box.
static const std::string kSaveCaption = PlatformCaption(
    "\x96\xbc\x91\x4f\x82\xf0\x95\x74\x82\xaf\x82\xc4\x95\xdb\x91\xb6", "Save As"); // 名前を付けて保存
static const std::string kOverwriteCaption = PlatformCaption("\x83\x47\x83\x89\x81\x5b", "Error"); // エラー
constexpr int kFileNameBox = 0x47C;

class ExportNotesTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        for (int &column : csvColumns)
            column = 1; // as at program start
    }
};

static DialogStep TextFormat() {
    return {SJ_FILE_FORMAT, [](HWND dialog) {
                EXPECT_TRUE(IsChecked(dialog, IDC_FORMAT_TEXT));
                EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_FORMAT_CSV))) << "CSV only with Shift";
                PressButton(dialog, IDOK);
            }};
}

static DialogStep CsvFormat() {
    return {SJ_FILE_FORMAT, [](HWND dialog) {
                EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_FORMAT_CSV)));
                EXPECT_TRUE(IsChecked(dialog, IDC_FORMAT_TEXT)) << "text is chosen anew at every opening";
                SetCheck(dialog, IDC_FORMAT_TEXT, false);
                SetCheck(dialog, IDC_FORMAT_CSV, true);
                PressButton(dialog, IDC_FORMAT_CSV);
                PressButton(dialog, IDOK);
            }};
}

// An export to the path in the format, with the columns chosen so far.
static ExportChoices To(const std::string &path, int format) {
    ExportChoices choices = {};
    choices.exportFormat = format;
    std::memcpy(choices.columns, csvColumns, sizeof choices.columns);
    lstrcpyW(choices.exportPath, Wide(path).c_str());
    return choices;
}

// Types the path into the save-file dialog and confirms it.
static DialogStep SaveAs(const std::string &path) {
    return {kSaveCaption, [path](HWND dialog) {
                EXPECT_EQ(ControlText(dialog, kFileNameBox), "") << "no name is proposed";
                SetDlgItemTextA(dialog, kFileNameBox, path.c_str());
                PressButton(dialog, IDOK);
            }};
}

// Says yes to the save-file dialog's question before it replaces an existing file.
static DialogStep ConfirmOverwrite() {
    return {kOverwriteCaption, [](HWND box) {
                EXPECT_EQ(GetDlgItem(box, kFileNameBox), nullptr) << "expected the overwrite question";
                PressButton(box, IDYES);
            }};
}

static void OpenTwoNotes() {
    OpenNote(MakeRecord(10, 10, 100, 50, "AB\r\nCD"));
    NoteRecord styled = MakeRecord(10, 70, 100, 50, "X,Y");
    styled.fontDialog.rgbColors = RGB(255, 0, 0);
    styled.backColor = RGB(0, 0, 255);
    std::strcpy(styled.font.lfFaceName, "\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e"); // ＭＳ ゴシック
    styled.font.lfHeight = -12;
    styled.font.lfWidth = 0;
    OpenNote(styled);
}

TEST_F(ExportNotesTest, TextExportToANewFile) {
    OpenTwoNotes();
    OpenNote(MakeRecord(10, 130, 100, 50, ""));
    const std::string path = folder + "notes.txt";
    ExpectDialogs({TextFormat(), SaveAs(path)});
    DispatchCommand(NoteWindowOf(NoteTable[0]), IDM_FILE_OUTPUT);
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_EQ(ReadFileBytes(path), "AB\r\n\nCD\nX,Y\n");
}

TEST_F(ExportNotesTest, CsvExportWithShiftAndChosenColumns) {
    OpenTwoNotes();
    const std::string path = folder + "notes.csv";
    ExpectDialogs({CsvFormat(),
                   {SJ_CSV_COLUMNS,
                    [](HWND dialog) {
                        for (int id = IDC_CSV_TEXT; id <= IDC_CSV_FONT_WIDTH; ++id)
                            EXPECT_TRUE(IsChecked(dialog, id)) << "column " << id << " ticked the first time";
                        SetCheck(dialog, IDC_CSV_FONT_WIDTH, false);
                        PressButton(dialog, IDOK);
                    }},
                   SaveAs(path)});
    {
        ShiftScope shift;
        DispatchCommand(NoteWindowOf(NoteTable[1]), IDM_FILE_OUTPUT);
    }
    EXPECT_TRUE(DialogScriptDone());
    const std::string templateFace = LogFontOf(NoteTable[0])->lfFaceName;
    const std::string first = "AB CD," + std::to_string(TextColorOf(NoteTable[0])) + "," +
                              std::to_string(NoteTable[0].backColor) + "," + templateFace + "," +
                              std::to_string(NoteTable[0].font.lfHeight) + ",\n";
    EXPECT_EQ(
        ReadFileBytes(path),
        first +
            "X,Y,255,16711680,\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e,-12,\n"); // X,Y,255,16711680,ＭＳ
                                                                                          // ゴシック,-12,\n
    EXPECT_EQ(csvColumns[5], 0) << "the column choice is kept for the run";
    EXPECT_EQ(csvColumns[0], 1);
}

TEST_F(ExportNotesTest, ColumnDialogShowsTheLastChoiceAndCancelKeepsIt) {
    OpenTwoNotes();
    csvColumns[1] = csvColumns[3] = 0;
    ExpectDialogs({CsvFormat(), {SJ_CSV_COLUMNS, [](HWND dialog) {
                                     EXPECT_TRUE(IsChecked(dialog, IDC_CSV_TEXT));
                                     EXPECT_FALSE(IsChecked(dialog, IDC_CSV_TEXT_COLOR));
                                     EXPECT_FALSE(IsChecked(dialog, IDC_CSV_FONT_FACE));
                                     SetCheck(dialog, IDC_CSV_TEXT, false);
                                     PressButton(dialog, IDCANCEL);
                                 }}});
    {
        ShiftScope shift;
        DispatchCommand(NoteWindowOf(NoteTable[0]), IDM_FILE_OUTPUT);
    }
    EXPECT_TRUE(DialogScriptDone());
    const int expected[kCsvColumnCount] = {1, 0, 1, 0, 1, 1};
    for (int i = 0; i < kCsvColumnCount; ++i)
        EXPECT_EQ(csvColumns[i], expected[i]) << "column " << i;
    EXPECT_FALSE(FileIsThere(folder + "untouched.csv"));
}

// A CSV export whose save dialog is up while another note's export starts and is cancelled still
// writes CSV.
TEST_F(ExportNotesTest, TwoExportsAtOnceKeepTheirOwnFormat) {
    OpenNote(MakeRecord(10, 10, 100, 50, "a"));
    const HWND other = OpenNote(MakeRecord(10, 70, 100, 50, "b"));
    const std::string path = folder + "both.csv";
    ExpectDialogs({CsvFormat(),
                   {SJ_CSV_COLUMNS, [](HWND dialog) { PressButton(dialog, IDOK); }},
                   {kSaveCaption,
                    [&](HWND dialog) {
                        DispatchCommand(other, IDM_FILE_OUTPUT); // its format dialog is the next step
                        SetDlgItemTextA(dialog, kFileNameBox, path.c_str());
                        PressButton(dialog, IDOK);
                    }},
                   {SJ_FILE_FORMAT, [](HWND dialog) { PressButton(dialog, IDCANCEL); }}});
    {
        ShiftScope shift;
        DispatchCommand(NoteWindowOf(NoteTable[0]), IDM_FILE_OUTPUT);
    }
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_EQ(ReadFileBytes(path).substr(0, 2), "a,") << "written as text";
}

TEST_F(ExportNotesTest, OverwritingAnExistingFileAfterTheQuestion) {
    OpenTwoNotes();
    const std::string path = folder + "old.txt";
    WriteFileBytes(path, std::string(200, 'o'));
    ExpectDialogs({TextFormat(), SaveAs(path), ConfirmOverwrite()});
    DispatchCommand(NoteWindowOf(NoteTable[0]), IDM_FILE_OUTPUT);
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_EQ(ReadFileBytes(path), "AB\r\n\nCD\nX,Y\n") << "the old file is truncated";
}

TEST_F(ExportNotesTest, CsvOverAnExistingFile) {
    OpenNote(MakeRecord(10, 10, 100, 50, "a\r\nb"));
    const std::string path = folder + "old.csv";
    WriteFileBytes(path, std::string(500, 'o'));
    ExpectDialogs({CsvFormat(),
                   {SJ_CSV_COLUMNS,
                    [](HWND dialog) {
                        SetCheck(dialog, IDC_CSV_TEXT_COLOR, false);
                        SetCheck(dialog, IDC_CSV_BACK_COLOR, false);
                        SetCheck(dialog, IDC_CSV_FONT_FACE, false);
                        SetCheck(dialog, IDC_CSV_FONT_HEIGHT, false);
                        SetCheck(dialog, IDC_CSV_FONT_WIDTH, false);
                        PressButton(dialog, IDOK);
                    }},
                   SaveAs(path),
                   ConfirmOverwrite()});
    {
        ShiftScope shift;
        DispatchCommand(NoteWindowOf(NoteTable[0]), IDM_FILE_OUTPUT);
    }
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_EQ(ReadFileBytes(path), "a b,,,,,\n");
}

TEST_F(ExportNotesTest, NoNotesGiveAnEmptyFileInBothFormats) {
    const std::string path = folder + "empty.out";
    WriteFileBytes(path, "previous contents");
    ExportNotes(To(path, IDC_FORMAT_TEXT));
    EXPECT_TRUE(FileIsThere(path));
    EXPECT_EQ(ReadFileBytes(path), "");
    WriteFileBytes(path, "previous contents");
    ExportNotes(To(path, IDC_FORMAT_CSV));
    EXPECT_EQ(ReadFileBytes(path), "");
}

TEST_F(ExportNotesTest, EmptyNoteInBothFormats) {
    OpenNote(MakeRecord(10, 10, 100, 50, ""));
    const std::string path = folder + "e.txt";
    ExportNotes(To(path, IDC_FORMAT_TEXT));
    EXPECT_EQ(ReadFileBytes(path), "");
    const int columns[kCsvColumnCount] = {1, 0, 1, 0, 0, 0};
    std::memcpy(csvColumns, columns, sizeof columns);
    ExportNotes(To(path, IDC_FORMAT_CSV));
    EXPECT_EQ(ReadFileBytes(path), ",," + std::to_string(NoteTable[0].backColor) + ",,,\n");
}

TEST_F(ExportNotesTest, UnwritablePathGivesTheMessageAndTouchesNothing) {
    OpenTwoNotes();
    const std::string missing = folder + "no such folder\\";
    ExpectDialogs({{SJ_EXPORT_ERROR, [](HWND box) {
                        EXPECT_EQ(MessageBoxText(box), SJ_EXPORT_FAILED);
                        PressButton(box, IDOK);
                    }}});
    ExportNotes(To(missing + "out.txt", IDC_FORMAT_TEXT));
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_FALSE(FileIsThere(missing));
    EXPECT_FALSE(FileIsThere(missing + "out.txt"));
}

// A disk that fills up during the export: the file is made but the writes fail (the system's
// always-full device stands in for it), and the failure is said once.
TEST_F(ExportNotesTest, AFailedWriteGivesTheMessageOnce) {
    OpenTwoNotes();
    ExpectDialogs({{SJ_EXPORT_ERROR,
                    [](HWND box) {
                        EXPECT_EQ(MessageBoxText(box), SJ_EXPORT_FAILED);
                        PressButton(box, IDOK);
                    }}},
                  1500);
    ExportNotes(To("Z:\\dev\\full", IDC_FORMAT_TEXT));
    EXPECT_TRUE(DialogScriptDone()) << "a cut export was reported as success";
}

TEST_F(ExportNotesTest, CancelInTheFormatOrSaveDialogWritesNothing) {
    OpenTwoNotes();
    ExpectDialogs({{SJ_FILE_FORMAT, [](HWND dialog) { PressButton(dialog, IDCANCEL); }}});
    DispatchCommand(NoteWindowOf(NoteTable[0]), IDM_FILE_OUTPUT);
    EXPECT_TRUE(DialogScriptDone());
    ExpectDialogs({TextFormat(), {kSaveCaption, [](HWND dialog) { PressButton(dialog, IDCANCEL); }}});
    DispatchCommand(NoteWindowOf(NoteTable[0]), IDM_FILE_OUTPUT);
    EXPECT_TRUE(DialogScriptDone());
}

TEST_F(ExportNotesTest, DialogsFromTheTrayAreCentred) {
    RECT format = {}, columns = {};
    ExpectDialogs({{SJ_FILE_FORMAT,
                    [&format](HWND dialog) {
                        GetWindowRect(dialog, &format);
                        SetCheck(dialog, IDC_FORMAT_TEXT, false);
                        SetCheck(dialog, IDC_FORMAT_CSV, true);
                        PressButton(dialog, IDC_FORMAT_CSV);
                        PressButton(dialog, IDOK);
                    }},
                   {SJ_CSV_COLUMNS, [&columns](HWND dialog) {
                        GetWindowRect(dialog, &columns);
                        PressButton(dialog, IDCANCEL);
                    }}});
    {
        ShiftScope shift;
        DispatchCommand(mainWindow, IDM_FILE_OUTPUT);
    }
    EXPECT_TRUE(DialogScriptDone());
    for (const RECT &r : {format, columns}) {
        const int width = r.right - r.left, height = r.bottom - r.top;
        EXPECT_EQ(r.left, -width / 2 + screenWidth / 2);
        EXPECT_EQ(r.top, -height / 2 + screenHeight / 2);
    }
}
