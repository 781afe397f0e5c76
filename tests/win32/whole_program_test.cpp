#include "tests/win32/harness.h"
#include "tests/sjis_words.h"

#include "platform/program.h"
#include "platform/program_files.h"
#include "res/resource.h"
#include "settings/defaults.h"
#include "settings/profile_text.h"
#include "settings/settings.h"
#include "store/note_table.h"

#include <cstring>
#include <algorithm>
#include <atomic>
#include <random>
#include <set>
#include <thread>

using namespace std::string_literals;

// Runs of the real program, each in a private folder with its own data files.
class WholeProgramTest : public ProgramTest {};

TEST_F(WholeProgramTest, ASecondCopyIsRefusedAndTheFirstRunsOn) {
    ProgramRun first;
    ASSERT_TRUE(first.Start());
    ASSERT_TRUE(first.WaitUntilRunning());
    ProgramRun second;
    ASSERT_TRUE(second.Start());
    const HWND box = second.WaitForDialog(ERROR_CAPTION);
    ASSERT_NE(box, nullptr);
    // " "タヴロ" は既に起動しています!! "
    EXPECT_EQ(MessageBoxText(box),
              " \"" SJ_TAVLO
              "\" \x82\xcd\x8a\xf9\x82\xc9\x8b\x4e\x93\xae\x82\xb5\x82\xc4\x82\xa2\x82\xdc\x82\xb7!! ");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(second.WaitForExit(), 0);
    EXPECT_TRUE(first.Running());
}

TEST_F(WholeProgramTest, WithSlashWCopiesFromTwoFoldersBothRun) {
    ProgramRun one, two;
    ASSERT_TRUE(one.Start("/w"));
    ASSERT_TRUE(two.Start("/W"));
    EXPECT_TRUE(one.WaitUntilRunning());
    EXPECT_TRUE(two.WaitUntilRunning());
    EXPECT_TRUE(one.Running());
    EXPECT_TRUE(two.Running());
}

TEST_F(WholeProgramTest, WithAndWithoutSlashWFromOneFolderBothRun) {
    ProgramRun plain;
    ProgramRun perPath(plain);
    ASSERT_TRUE(plain.Start());
    ASSERT_TRUE(plain.WaitUntilRunning());
    ASSERT_TRUE(perPath.Start("/W"));
    EXPECT_TRUE(perPath.WaitUntilRunning());
    EXPECT_TRUE(plain.Running());
}

TEST_F(WholeProgramTest, SlashSWithoutNotesEndsAfterTheSplash) {
    ProgramRun run;
    ASSERT_TRUE(run.Start("/S"));
    EXPECT_EQ(run.WaitForExit(), 0);
    EXPECT_FALSE(FileIsThere(run.DataFile(".DAT"))) << "nothing is saved";
}

TEST_F(WholeProgramTest, SlashSWithAnEmptyFirstNoteEnds) {
    ProgramRun run;
    WriteFileBytes(run.DataFile(".DAT"),
                   RecordImage(10, 10, 100, 50, "") + RecordImage(10, 80, 100, 50, "text"));
    ASSERT_TRUE(run.Start("/S"));
    EXPECT_EQ(run.WaitForExit(), 0);
}

TEST_F(WholeProgramTest, SavedNotesAreRestoredAtTheirPlacesAndBackedUp) {
    ProgramRun run;
    const std::string notes = RecordImage(30, 40, 200, 60, "one") + RecordImage(300, 400, 150, 90, "two");
    WriteFileBytes(run.DataFile(".DAT"), notes);
    ASSERT_TRUE(run.Start("/S"));
    ASSERT_TRUE(run.WaitUntilRunning());
    ASSERT_TRUE(run.WaitForNotes(2));
    std::vector<RECT> places;
    for (HWND note : run.NoteWindows()) {
        RECT r;
        GetWindowRect(note, &r);
        places.push_back(r);
    }
    std::sort(places.begin(), places.end(), [](const RECT &a, const RECT &b) { return a.left < b.left; });
    EXPECT_EQ(places[0].left, 30);
    EXPECT_EQ(places[0].top, 40);
    EXPECT_EQ(places[0].right - places[0].left, 200);
    EXPECT_EQ(places[1].left, 300);
    EXPECT_EQ(places[1].bottom - places[1].top, 90);
    EXPECT_EQ(ReadFileBytes(run.DataFile(".OLD")), notes);
}

TEST_F(WholeProgramTest, SlashIRestoresNothingAndLeavesTheFileUntilTheNextSave) {
    ProgramRun run;
    const std::string notes = RecordImage(30, 40, 200, 60, "kept on disk");
    WriteFileBytes(run.DataFile(".DAT"), notes);
    ASSERT_TRUE(run.Start("/I"));
    ASSERT_TRUE(run.WaitUntilRunning());
    EXPECT_TRUE(run.NoteWindows().empty());
    EXPECT_EQ(ReadFileBytes(run.DataFile(".DAT")), notes);
    EXPECT_EQ(ReadFileBytes(run.DataFile(".OLD")), notes);
    SendMessageA(run.MainWindow(), WM_QUERYENDSESSION, 0, 0);
    EXPECT_EQ(ReadFileBytes(run.DataFile(".DAT")), "") << "the next save writes the empty table";
}

TEST_F(WholeProgramTest, AnEmptyFirstNoteOpensWhenAsked) {
    ProgramRun run;
    WriteFileBytes(run.DataFile(".INI"), "[" SJ_CREATION "]\r\n" SJ_OPEN_FIRST "=1\r\n");
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(run.WaitUntilRunning());
    ASSERT_TRUE(run.WaitForNotes(1));
    RECT r;
    GetWindowRect(run.NoteWindows()[0], &r);
    EXPECT_EQ(r.left, 150);
    EXPECT_EQ(r.top, 100);
    EXPECT_EQ(r.right - r.left, 220);
    EXPECT_EQ(r.bottom - r.top, 66);
}

// The settings file as a save makes it from this one: the keys are written into a copy.
static std::string SavedSettings(const std::string &settings) {
    WriteFileBytes(settingsPath, settings);
    LoadSettings();
    SaveSettings();
    return ReadFileBytes(settingsPath);
}

// The files beside the program open whatever its folder's name holds, characters that Shift-JIS
// cannot write among them: the notes are restored and backed up, the settings file is made, and a
// save lands in the same folder.
TEST_F(WholeProgramTest, AFolderNamedOutsideShiftJisHoldsTheProgramsFiles) {
    ProgramRun run(L" \x30E1\x30E2 \x00E9\x2713\xD55C"); // " メモ é✓한"
    const std::string notes = RecordImage(30, 40, 200, 60, "kept");
    WriteFileBytes(run.DataFile(".DAT"), notes);
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(run.WaitUntilRunning());
    ASSERT_TRUE(run.WaitForNotes(1));
    EXPECT_EQ(ReadFileBytes(run.DataFile(".OLD")), notes);
    EXPECT_TRUE(FileIsThere(run.DataFile(".INI")));
    DeleteFileW(run.DataFile(".INI").c_str());
    SendMessageW(run.MainWindow(), WM_QUERYENDSESSION, 0, 0);
    EXPECT_TRUE(FileIsThere(run.DataFile(".INI"))) << "saved into the folder";
    EXPECT_TRUE(SameRecords(ReadFileBytes(run.DataFile(".DAT")), notes));
}

// Whenever the program dies, each of its files on disk is the old or the new one, whole, never
// missing or cut short, whether it was saving the notes, the settings or the defaults.
TEST_F(WholeProgramTest, KillingTheProgramWhileItSavesNeverCutsAFile) {
    const std::string notes = RecordImage(30, 40, 200, 60, "one") + RecordImage(300, 400, 150, 90, "two");
    // With a section of the user's own: [手書き] 残る=はず.
    const std::string settings = "[" SJ_CREATION "]\r\n" SJ_CREATION_PLACE "=1\r\n"
                                 "[\x8e\xe8\x8f\x91\x82\xab]\r\n\x8e\x63\x82\xe9=\x82\xcd\x82\xb8\r\n"
                                 "[" SJ_OTHERS "]\r\n" SJ_BACKGROUND "BMP=C:\\none.bmp\r\n";
    const std::string newSettings = SavedSettings(settings);
    std::string defaults(156, '\0'), newDefaults(156, '\0'); // the dialog saves with no box checked
    defaults[1] = 0x20;                                      // background colour only
    defaults[32] = 0x40;
    std::mt19937 random(12345);
    for (int round = 0; round < 6; ++round) {
        ProgramRun run;
        WriteFileBytes(run.DataFile(".DAT"), notes);
        WriteFileBytes(run.DataFile(".INI"), settings);
        WriteFileBytes(run.DataFile(".DEF"), defaults);
        ASSERT_TRUE(run.Start());
        ASSERT_TRUE(run.WaitUntilRunning());
        ASSERT_TRUE(run.WaitForNotes(2));
        const HWND main = run.MainWindow(), note = run.NoteWindows().front();
        for (int cycle = 0, cycles = 1 + random() % 3; cycle < cycles; ++cycle) {
            PostMessageA(note, WM_COMMAND, IDM_DEFAULT_SETTINGS, 0);
            const HWND dialog = run.WaitForDialog(SJ_DEFAULTS);
            ASSERT_NE(dialog, nullptr);
            for (int i = 0, saves = random() % 60; i < saves; ++i)
                PostMessageA(main, WM_QUERYENDSESSION, 0, 0);
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
            const bool last = cycle + 1 == cycles;
            ASSERT_TRUE(last || WaitFor([&] { return !IsWindow(dialog); }));
        }
        Sleep(random() % 80);
        run.Kill();
        EXPECT_TRUE(SameRecords(ReadFileBytes(run.DataFile(".DAT")), notes)) << "round " << round;
        const std::string settingsAfter = ReadFileBytes(run.DataFile(".INI"));
        EXPECT_TRUE(settingsAfter == settings || settingsAfter == newSettings) << "round " << round;
        const std::string defaultsAfter = ReadFileBytes(run.DataFile(".DEF"));
        EXPECT_TRUE(defaultsAfter == defaults || defaultsAfter == newDefaults) << "round " << round;
    }
}

// Which copy's whole settings file this is, by its spacing: "A" (5), "B" (7), or "torn".
static std::string SettingsImage(const std::string &settings) {
    if (std::count(settings.begin(), settings.end(), '=') != 17) return "torn";
    return ProfileValue(settings, SJ_ARRANGEMENT, SJ_SPACING, "", 8) == "5" ? "A" : "B";
}

// Two copies share one folder, one started with /W, and both save over and over at once. Every
// moment the notes and settings files hold a whole image, never a torn one; the copies settle on
// the union of their notes (A's are among B's) and on the spacing written last; when both are done
// no scratch file is left.
TEST_F(WholeProgramTest, TwoCopiesSavingInOneFolderNeverUndoEachOther) {
    const std::string notesOfA = RecordImage(20, 20, 50, 40, "a") + RecordImage(80, 20, 50, 40, "a");
    const std::string notesOfB = notesOfA + RecordImage(140, 20, 50, 40, "b");
    ProgramRun a;
    ProgramRun b(a);
    const auto start = [&](ProgramRun &run, const std::string &notes, const char *spacing,
                           const char *switches) {
        WriteFileBytes(run.DataFile(".DAT"), notes);
        WriteFileBytes(run.DataFile(".INI"), "[" SJ_ARRANGEMENT "]\r\n" SJ_SPACING "="s + spacing + "\r\n");
        return run.Start(switches) && run.WaitUntilRunning() &&
               run.WaitForNotes(notes.size() / sizeof(NoteRecord));
    };
    ASSERT_TRUE(start(a, notesOfA, "5", ""));
    ASSERT_TRUE(start(b, notesOfB, "7", "/W"));
    SendMessageW(a.MainWindow(), WM_QUERYENDSESSION, 0, 0); // whole files of its own from here on

    std::atomic<bool> saving{true};
    std::atomic<int> stuck{0};
    const auto keepSaving = [&](HWND main) {
        for (DWORD_PTR answer = 0; saving;)
            stuck += !SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 5000, &answer);
    };
    std::thread savingA(keepSaving, a.MainWindow()), savingB(keepSaving, b.MainWindow());
    std::set<std::string> notesSeen, settingsSeen;
    for (const DWORD begin = GetTickCount(); GetTickCount() - begin < 3000; Sleep(3)) {
        const std::string notes = ReadFileBytes(a.DataFile(".DAT"));
        notesSeen.insert(SameRecords(notes, notesOfA) ? "A" : SameRecords(notes, notesOfB) ? "B" : "torn");
        settingsSeen.insert(SettingsImage(ReadFileBytes(a.DataFile(".INI"))));
    }
    saving = false;
    savingA.join();
    savingB.join();
    EXPECT_EQ(notesSeen.count("torn"), 0u) << "a torn notes file";
    EXPECT_EQ(settingsSeen.count("torn"), 0u) << "a torn settings file";
    EXPECT_TRUE(notesSeen.count("B")) << "the union of the notes";
    EXPECT_EQ(stuck, 0) << "a save hung, behind a warning perhaps";

    SendMessageW(a.MainWindow(), WM_QUERYENDSESSION, 0, 0); // one save each, after the other's end
    SendMessageW(b.MainWindow(), WM_QUERYENDSESSION, 0, 0);
    EXPECT_TRUE(SameRecords(ReadFileBytes(a.DataFile(".DAT")), notesOfB));
    EXPECT_EQ(SettingsImage(ReadFileBytes(a.DataFile(".INI"))), "B");
    WIN32_FIND_DATAW found;
    HANDLE scratch = FindFirstFileW((a.Folder() + L"*.new*").c_str(), &found);
    EXPECT_EQ(scratch, INVALID_HANDLE_VALUE) << "a scratch file is left: " << Narrow(found.cFileName);
}

// A notes file held open by another program is tried again for a while. One that stays
// unreadable is never written over: the program says so and ends with every file as it was.
TEST_F(WholeProgramTest, AnUnreadableNotesFileEndsTheProgramWithoutWritingAnything) {
    ProgramRun run;
    const std::string notes = RecordImage(30, 40, 200, 60, "kept");
    WriteFileBytes(run.DataFile(".DAT"), notes);
    const auto lockNotes = [&] {
        return CreateFileW(run.DataFile(".DAT").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    };
    HANDLE lock = lockNotes();
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(run.Start());
    const HWND box = run.WaitForDialog(ERROR_CAPTION);
    ASSERT_NE(box, nullptr);
    EXPECT_NE(MessageBoxText(box).find("tavlo.DAT\n"), std::string::npos) << MessageBoxText(box);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(run.WaitForExit(), 0);
    CloseHandle(lock);
    EXPECT_EQ(ReadFileBytes(run.DataFile(".DAT")), notes);
    for (const char *other : {".OLD", ".INI", ".DAT.new"})
        EXPECT_FALSE(FileIsThere(run.DataFile(other))) << other;

    // A lock that ends while the program tries again costs nothing.
    ProgramRun again(run);
    lock = lockNotes();
    ASSERT_TRUE(again.Start());
    // Its single-instance object comes just before its first try, however slowly it runs.
    ASSERT_TRUE(WaitFor(
        [] {
            HANDLE object = OpenFileMappingW(FILE_MAP_READ, FALSE, L"$$" PROGRAM_NAME "$$");
            if (object) CloseHandle(object);
            return object != nullptr;
        },
        30000));
    Sleep(500);
    CloseHandle(lock);
    ASSERT_TRUE(again.WaitUntilRunning());
    EXPECT_TRUE(again.WaitForNotes(1));
}

// The table holds 99 notes; the records past them are kept in a copy of the whole file before
// the first save drops them, and the user is told once.
TEST_F(WholeProgramTest, RecordsPastNinetyNineAreKeptAndTheLimitIsSaidOnce) {
    ProgramRun run;
    std::string notes;
    for (int i = 0; i < 101; ++i)
        notes += RecordImage(i * 5, i * 5, 60, 30, "n");
    WriteFileBytes(run.DataFile(".DAT"), notes);
    ASSERT_TRUE(run.Start());
    const HWND box = run.WaitForDialog(ERROR_CAPTION, 30000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), SJ_NOTE_LIMIT);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(run.WaitUntilRunning());
    EXPECT_EQ(run.WaitForDialog(ERROR_CAPTION, 1000), nullptr) << "said once";
    SendMessageA(run.MainWindow(), WM_QUERYENDSESSION, 0, 0);
    EXPECT_EQ(ReadFileBytes(run.DataFile(".DAT")).size(), 99 * sizeof(NoteRecord));
    EXPECT_EQ(ReadFileBytes(run.DataFile(".DAT.full")), notes);
}

TEST_F(WholeProgramTest, NoNotesFileContentCrashesTheProgram) {
    std::mt19937 random(4242);
    for (size_t size : {1u, 1187u, 5000u, 120u * 1188u}) {
        ProgramRun run;
        std::string junk(size, '\0');
        for (char &c : junk)
            c = static_cast<char>(random());
        WriteFileBytes(run.DataFile(".DAT"), junk);
        WriteFileBytes(run.DataFile(".INI"),
                       junk.substr(0, 3000) +
                           "\r\n[" SJ_OTHERS "]\r\n" SJ_BACKGROUND "BMP=" + Narrow(run.Folder()) + "\r\n");
        ASSERT_TRUE(run.Start());
        // A file of more than 99 records shows the limit message once its notes are open.
        if (size / sizeof(NoteRecord) > 99) {
            const HWND box = run.WaitForDialog(ERROR_CAPTION, 120000);
            ASSERT_NE(box, nullptr) << "size " << size;
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
        EXPECT_TRUE(run.WaitUntilRunning(30000)) << "size " << size;
        EXPECT_TRUE(run.Running()) << "size " << size;
    }
}

TEST_F(WholeProgramTest, GarbledDefaultsStillGiveANewNote) {
    std::mt19937 random(777);
    ProgramRun run;
    std::string defaults(156, '\0');
    for (char &c : defaults)
        c = static_cast<char>(random());
    defaults[0] = defaults[1] = '\xFF'; // every field applies
    WriteFileBytes(run.DataFile(".DEF"), defaults);
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(run.WaitUntilRunning());
    PostMessageA(run.MainWindow(), WM_COMMAND, 103, 0); // a new note from the tray
    EXPECT_TRUE(WaitFor([&] { return FileIsThere(run.DataFile(".DAT")); })) << "the command ran and saved";
    EXPECT_TRUE(run.WaitUntilRunning());
    EXPECT_TRUE(run.Running());
}

// The splash blocks its thread for a second, so it is read without sending it messages.
TEST_F(WholeProgramTest, TheSplashShowsNameAndVersionCentred) {
    ProgramRun run;
    ASSERT_TRUE(run.Start("/S"));
    const HWND splash = run.WaitForWindow([](HWND w) {
        char className[16] = "";
        GetClassNameA(w, className, sizeof className);
        return IsWindowVisible(w) && std::strcmp(className, "#32770") == 0;
    });
    ASSERT_NE(splash, nullptr);
    WCHAR text[64] = L"";
    ASSERT_TRUE(WaitFor([&] {
        InternalGetWindowText(GetDlgItem(splash, 1017), text, 64);
        return text[0] != 0;
    }));
    EXPECT_EQ(std::wstring(text), L"\x30BF\x30F4\x30ED  Version 3.2");
    RECT r;
    GetWindowRect(splash, &r);
    EXPECT_EQ(r.left, (r.left - r.right) / 2 + 512);
    EXPECT_EQ(r.top, (r.top - r.bottom) / 2 + 384);
    EXPECT_TRUE(GetWindowLongA(splash, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(run.WaitForExit(), 0);
}

TEST_F(WholeProgramTest, SlashIOpensItsEmptyFirstNoteFromTheBuiltInTemplate) {
    ProgramRun run;
    WriteFileBytes(run.DataFile(".INI"), "[" SJ_CREATION "]\r\n" SJ_OPEN_FIRST "=1\r\n");
    WriteFileBytes(run.DataFile(".DAT"), RecordImage(500, 500, 100, 100, "saved"));
    ASSERT_TRUE(run.Start("/I"));
    ASSERT_TRUE(run.WaitUntilRunning());
    ASSERT_TRUE(run.WaitForNotes(1));
    const RECT r = WindowRectOf(run.NoteWindows()[0]);
    EXPECT_EQ(r.left, 150);
    EXPECT_EQ(r.top, 100);
    EXPECT_EQ(r.right - r.left, 220);
    EXPECT_EQ(r.bottom - r.top, 66);
}
