#include "tests/win32/harness.h"

#include "res/resource.h"

#include <cstdlib>

// The release zip's own program, which tests/dist/release_program_test.py unpacks into the folder
// TAVLO_UNPACKED names, beside a notes file with a note at (30, 40) and one at (300, 400). Used as
// a user would, it shows both notes and its tray icon, saves a paste and ends when asked; the
// script then checks every file it left. Only that script runs it, hence the disabled name.
class ReleaseProgramTest : public ProgramTest {};

// Generous: the program may run under an emulator, many times slower than natively.
constexpr DWORD kPatienceMs = 60000;
static const char kExitCaption[] = "\x8f\x49\x97\xb9\x8a\x6d\x94\x46"; // 終了確認

TEST_F(ReleaseProgramTest, DISABLED_TheUnpackedProgramShowsSavesAndEnds) {
    const wchar_t *folder = _wgetenv(L"TAVLO_UNPACKED");
    ASSERT_NE(folder, nullptr) << "run by tests/dist/release_program_test.py";
    ProgramRun run = ProgramRun::InFolder(std::wstring(folder) + L"\\");
    const std::string notesBefore = ReadFileBytes(run.DataFile(".DAT"));
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(run.WaitUntilRunning(kPatienceMs));
    const HWND main = run.MainWindow();
    // A note is shown, hidden and shown again as its display mode is applied: both are looked for
    // at once.
    HWND first = nullptr;
    ASSERT_TRUE(WaitFor(
        [&] {
            const auto notes = run.NoteWindows();
            const auto at = [&](LONG x, LONG y) {
                for (HWND note : notes)
                    if (WindowRectOf(note).left == x && WindowRectOf(note).top == y) return note;
                return HWND{};
            };
            first = at(30, 40);
            return notes.size() == 2 && first && at(300, 400);
        },
        kPatienceMs))
        << "the two saved notes are not shown at their places";
    ASSERT_TRUE(WaitFor([&] { return TrayHoldsIcon(main); }, kPatienceMs));

    // Japanese text whose 表 has the trail byte 0x5C in Shift-JIS; saved at once.
    const std::wstring pasted = L"\x8CBC\x308A\x4ED8\x3051\x8868\x793A"; // 貼り付け表示
    PutOnClipboard("other bytes", &pasted);
    PostMessageW(first, WM_COMMAND, IDM_PASTE, 0);
    ASSERT_TRUE(WaitFor(
        [&] {
            const std::string now = ReadFileBytes(run.DataFile(".DAT"));
            return !now.empty() && now != notesBefore;
        },
        kPatienceMs))
        << "the paste is not saved";

    PostMessageW(main, WM_COMMAND, IDM_EXIT, 0);
    const HWND question = run.WaitForDialog(kExitCaption, kPatienceMs);
    ASSERT_NE(question, nullptr);
    PostMessageW(question, WM_COMMAND, IDYES, 0);
    EXPECT_EQ(run.WaitForExit(kPatienceMs), 0);
    EXPECT_FALSE(TrayHoldsIcon(main)) << "the icon stays after the end";
}
