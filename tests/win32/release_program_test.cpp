#include "tests/win32/harness.h"
#include "tests/sjis_words.h"

#include "res/resource.h"

#include <cstdlib>

// The release zip's own program, which tests/dist/release_program_test.py unpacks into the folder
// TAVLO_UNPACKED names. Beside a notes file of two notes it is used as a user would: it shows both
// notes and its tray icon, saves a paste, opens the zip's help and ends when asked, and every file
// it writes is checked byte for byte (the script checks that it writes no other). Only that script runs it,
// hence the disabled name.
class ReleaseProgramTest : public ProgramTest {};

// Generous: the program may run under an emulator, many times slower than natively.
constexpr DWORD kPatienceMs = 60000;

TEST_F(ReleaseProgramTest, DISABLED_TheUnpackedProgramShowsSavesAndEnds) {
    const wchar_t *folder = _wgetenv(L"TAVLO_UNPACKED");
    ASSERT_NE(folder, nullptr) << "run by tests/dist/release_program_test.py";
    ProgramRun run = ProgramRun::InFolder(std::wstring(folder) + L"\\");
    const std::string second =
        RecordImage(300, 400, 150, 90, "\x93\xf1\x96\x87\x96\xda\r\n\x95\x5c");          // 二枚目\r\n表
    const std::string notes = RecordImage(30, 40, 200, 60, "\x83\x81\x83\x82") + second; // メモ
    WriteFileBytes(run.DataFile(".DAT"), notes);
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(run.WaitUntilRunning(kPatienceMs));
    const HWND main = run.MainWindow();
    // A note is shown, hidden and shown again as its display mode is applied: both are looked for
    // at once.
    HWND first = nullptr;
    ASSERT_TRUE(WaitFor(
        [&] {
            const auto shown = run.NoteWindows();
            const auto at = [&](LONG x, LONG y) {
                for (HWND note : shown)
                    if (WindowRectOf(note).left == x && WindowRectOf(note).top == y) return note;
                return HWND{};
            };
            first = at(30, 40);
            return shown.size() == 2 && first && at(300, 400);
        },
        kPatienceMs))
        << "the two saved notes are not shown at their places";
    ASSERT_TRUE(WaitFor([&] { return TrayHoldsIcon(main); }, kPatienceMs));

    // Japanese text whose 表 has the trail byte 0x5C in Shift-JIS, from a program of another code
    // page, so the Unicode text is taken; saved at once.
    const std::wstring pasted = L"\x8CBC\x308A\x4ED8\x3051\x8868\x793A"; // 貼り付け表示
    PutOnClipboard("other bytes", &pasted, 0x0409);
    PostMessageW(first, WM_COMMAND, IDM_PASTE, 0);
    const std::string pastedNotes =
        RecordImage(30, 40, 200, 60, "\x93\x5c\x82\xe8\x95\x74\x82\xaf\x95\x5c\x8e\xa6") + second;
    EXPECT_TRUE(
        WaitFor([&] { return SameRecords(ReadFileBytes(run.DataFile(".DAT")), pastedNotes); }, kPatienceMs))
        << "the paste is not saved";

    // The help that ships beside it, by the note's key.
    PostMessageW(first, WM_COMMAND, IDM_HELP_TOPICS, 0);
    EXPECT_NE(run.WaitForHelpViewer(kPatienceMs), nullptr) << "the shipped help does not open";

    PostMessageW(main, WM_COMMAND, IDM_EXIT, 0);
    const HWND question = run.WaitForDialog(SJ_EXIT_CONFIRM, kPatienceMs);
    ASSERT_NE(question, nullptr);
    PostMessageW(question, WM_COMMAND, IDYES, 0);
    EXPECT_EQ(run.WaitForExit(kPatienceMs), 0);
    EXPECT_FALSE(TrayHoldsIcon(main)) << "the icon stays after the end";
    EXPECT_EQ(ReadFileBytes(run.DataFile(".OLD")), notes) << "the notes file as it was at the start";
    EXPECT_EQ(ReadFileBytes(run.DataFile(".INI")), kBuiltInSettingsFile);
}
