#include "tests/win32/harness.h"

#include "app/commands.h"
#include "platform/program.h"
#include "platform/program_files.h"
#include "res/resource.h"
#include "store/note_table.h"

#include <cstring>
#include <string>

class ClipboardTest : public ProgramTest {};

using namespace std::string_literals;

static void EmptyTheClipboard() {
    ASSERT_TRUE(OpenClipboard(mainWindow));
    EmptyClipboard();
    CloseClipboard();
}

// The clipboard's whole block of the format, or "(none)" when it holds none.
static std::string ClipboardBlock(UINT format) {
    if (!OpenClipboard(mainWindow)) return "(cannot open)";
    std::string block = "(none)";
    if (HANDLE data = GetClipboardData(format)) {
        block.assign(static_cast<const char *>(GlobalLock(data)), GlobalSize(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return block;
}

// The clipboard's plain text, up to its end.
static std::string ClipboardText() {
    const std::string block = ClipboardBlock(CF_TEXT);
    return block.substr(0, strnlen(block.c_str(), block.size()));
}

static bool Saved(HWND window, UINT id) {
    DeleteFileW(notesPath);
    SendMessageA(window, WM_COMMAND, id, 0);
    return FileIsThere(notesPath);
}

static std::string TextOf(const NoteRecord &r) {
    return std::string(r.text, strnlen(r.text, kTextSize));
}

// Every program gets Unicode text; the bytes themselves and their locale go along, so that a
// Japanese program takes them as they are.
TEST_F(ClipboardTest, CopyPutsTheTextAsItIsAndDoesNotSave) {
    const std::string text = "line one\r\n\x95\x5c\x8e\xa6 \xc3\xb7\xbd\xc4"; // line one\r\n表示 ﾃｷｽﾄ
    const HWND note = OpenNote(MakeRecord(10, 10, 200, 60, text.c_str()));
    EmptyTheClipboard();
    EXPECT_FALSE(Saved(note, IDM_COPY));
    EXPECT_EQ(ClipboardText(), text);
    EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t *>(ClipboardBlock(CF_UNICODETEXT).c_str())),
              L"line one\r\n\x8868\x793A \xFF83\xFF77\xFF7D\xFF84");
    EXPECT_EQ(ClipboardBlock(CF_LOCALE).substr(0, 4), std::string("\x11\x04\0\0", 4));
    EXPECT_STREQ(NoteTable[0].text, text.c_str());
}

TEST_F(ClipboardTest, CopyOfAnEmptyNoteLeavesTheClipboardAlone) {
    const HWND note = OpenNote(MakeRecord(10, 10, 200, 60, ""));
    PutOnClipboard("keep me");
    EXPECT_FALSE(Saved(note, IDM_COPY));
    EXPECT_EQ(ClipboardText(), "keep me");
}

TEST_F(ClipboardTest, PasteReplacesTheTextKeepsAnUndoCopyAndSaves) {
    const HWND note = OpenNote(MakeRecord(10, 10, 200, 60, "a longer text"));
    const NoteRecord before = NoteTable[0];
    PutOnClipboard("ab");
    EXPECT_TRUE(Saved(note, IDM_PASTE));
    EXPECT_EQ(TextOf(NoteTable[0]), "ab");
    EXPECT_EQ(std::memcmp(&UndoTable[0], &before, sizeof before), 0)
        << "the undo copy is the whole old record";
    const std::string saved = ReadFileBytes(notesPath);
    ASSERT_EQ(saved.size(), sizeof(NoteRecord));
    EXPECT_EQ(saved.substr(offsetof(NoteRecord, text), kTextSize),
              std::string("ab") + std::string(1022, '\0'))
        << "no trace of the old text is left in the file";
}

TEST_F(ClipboardTest, PasteKeepsBytesAndLineEndsUnconverted) {
    const HWND note = OpenNote(MakeRecord(10, 10, 200, 60, "x"));
    const std::string text = "a\r\nb\nc\r\xb6\xc0\xb6\xc5\t\x95\x5c"; // a\r\nb\nc\rｶﾀｶﾅ\t表
    PutOnClipboard(text);
    SendMessageA(note, WM_COMMAND, IDM_PASTE, 0);
    EXPECT_EQ(TextOf(NoteTable[0]), text);
}

TEST_F(ClipboardTest, PasteOfALongTextKeepsTheFirst1023Bytes) {
    const HWND note = OpenNote(MakeRecord(10, 10, 200, 60, "x"));
    std::string text;
    for (int i = 0; i < 2000; ++i)
        text += static_cast<char>('0' + i % 10);
    PutOnClipboard(text);
    SendMessageA(note, WM_COMMAND, IDM_PASTE, 0);
    EXPECT_EQ(TextOf(NoteTable[0]), text.substr(0, 1023));
    EXPECT_EQ(NoteTable[0].text[1023], '\0');
}

TEST_F(ClipboardTest, TheCutAt1023BytesNeverSplitsACharacter) {
    const HWND note = OpenNote(MakeRecord(10, 10, 200, 60, "x"));
    const std::string text = std::string(1022, 'a') + "\x95\x5c"; // 表
    PutOnClipboard(text);
    SendMessageA(note, WM_COMMAND, IDM_PASTE, 0);
    EXPECT_EQ(TextOf(NoteTable[0]), std::string(1022, 'a'));
}

// Plain text of another code page gives way to the Unicode text; a character that Shift-JIS
// cannot hold becomes what the conversion makes of it.
TEST_F(ClipboardTest, PasteTakesUnicodeTextOverPlainTextOfAnotherCodePage) {
    const HWND note = OpenNote(MakeRecord(10, 10, 200, 60, "x"));
    const std::wstring unicode = L"\x30E1\x30E2 \x2713 ok"; // メモ ✓ ok
    PutOnClipboard("other bytes", &unicode, 0x0409);
    SendMessageA(note, WM_COMMAND, IDM_PASTE, 0);
    EXPECT_EQ(TextOf(NoteTable[0]), "\x83\x81\x83\x82 ? ok");
}

// Copied from one note into another, the NEC and IBM codes stay what they were; through UTF-16
// they would come back as their JIS forms.
TEST_F(ClipboardTest, CopyAndPasteBetweenNotesKeepsEveryByte) {
    const std::string text = "\x87\x90\x87\x9b\xfa\x4a\xed\x40"; // ≒ ∵ and two IBM kanji
    const HWND from = OpenNote(MakeRecord(10, 10, 200, 60, text.c_str()));
    const HWND to = OpenNote(MakeRecord(10, 80, 200, 60, "x"));
    SendMessageA(from, WM_COMMAND, IDM_COPY, 0);
    SendMessageA(to, WM_COMMAND, IDM_PASTE, 0);
    EXPECT_EQ(TextOf(NoteTable[1]), text);
}

TEST_F(ClipboardTest, PasteIntoAnEmptyNoteCannotBeUndone) {
    const HWND note = OpenNote(MakeRecord(10, 10, 200, 60, ""));
    PutOnClipboard("pasted");
    SendMessageA(note, WM_COMMAND, IDM_PASTE, 0);
    EXPECT_STREQ(NoteTable[0].text, "pasted");
    UpdateMenuState(note, 1);
    EXPECT_TRUE(GetMenuState(noteMenu, IDM_UNDO, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(Saved(note, IDM_UNDO));
    EXPECT_STREQ(NoteTable[0].text, "pasted");
}

TEST_F(ClipboardTest, PasteWithoutTextChangesNothingButStillSaves) {
    const HWND note = OpenNote(MakeRecord(10, 10, 200, 60, "stays"));
    std::strcpy(UndoTable[0].text, "undo stays");
    EmptyTheClipboard();
    EXPECT_TRUE(Saved(note, IDM_PASTE));
    EXPECT_STREQ(NoteTable[0].text, "stays");
    EXPECT_STREQ(UndoTable[0].text, "undo stays");
}

// Another thread holds the clipboard open until it is told to let go.
struct ClipboardHolder {
    HANDLE opened = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE thread = nullptr;
    ClipboardHolder() {
        thread = CreateThread(nullptr, 0, Hold, this, 0, nullptr);
        WaitForSingleObject(opened, 5000);
    }
    ~ClipboardHolder() {
        SetEvent(release);
        WaitForSingleObject(thread, 5000);
        CloseHandle(thread);
        CloseHandle(opened);
        CloseHandle(release);
    }
    static DWORD WINAPI Hold(void *param) {
        auto *self = static_cast<ClipboardHolder *>(param);
        OpenClipboard(nullptr);
        SetEvent(self->opened);
        WaitForSingleObject(self->release, 10000);
        CloseClipboard();
        return 0;
    }
};

TEST_F(ClipboardTest, ABusyClipboardLeavesTheNoteAndPasteStillSaves) {
    const HWND note = OpenNote(MakeRecord(10, 10, 200, 60, "stays"));
    PutOnClipboard("never pasted");
    ClipboardHolder holder;
    EXPECT_EQ(PasteNoteText(note), 0);
    EXPECT_EQ(CopyNoteText(note), 0);
    EXPECT_TRUE(Saved(note, IDM_PASTE));
    EXPECT_STREQ(NoteTable[0].text, "stays");
    EXPECT_EQ(UndoTable[0].text[0], '\0');
}
