// Two copies of the program writing one notes file, in one folder or in two folders that a sync
// tool keeps alike: what each does shows up in the other, and nothing either did is lost.
#include "tests/win32/harness.h"
#include "tests/sjis_words.h"

#include "res/resource.h"
#include "store/note_record.h"

#include <atomic>
#include <set>
#include <string>
#include <thread>

class SharedNotesTest : public ProgramTest {
protected:
    static bool StartWith(ProgramRun &run, const char *switches, size_t notes) {
        return run.Start(switches) && run.WaitUntilRunning() && run.WaitForNotes(notes);
    }
    // The texts of the notes file's records, as a set.
    static std::set<std::string> TextsIn(const std::wstring &path) {
        const std::string bytes = ReadFileBytes(path);
        std::set<std::string> texts;
        for (size_t at = 0; at + sizeof(NoteRecord) <= bytes.size(); at += sizeof(NoteRecord))
            texts.insert(bytes.c_str() + at + offsetof(NoteRecord, text));
        return texts;
    }
    static std::set<std::string> TextsShown(const ProgramRun &run) {
        std::set<std::string> texts;
        const std::string prefix = SJ_TAVLO " - "; // a note not painted yet has no text in its title
        for (HWND note : run.NoteWindows()) {
            const std::string title = WindowText(note);
            texts.insert(title.compare(0, prefix.size(), prefix) == 0 ? title.substr(prefix.size()) : "?");
        }
        return texts;
    }
    static testing::AssertionResult Shows(const ProgramRun &run, const std::set<std::string> &texts) {
        if (WaitFor([&] { return TextsShown(run) == texts; }, 15000)) return testing::AssertionSuccess();
        std::string shown;
        for (const std::string &text : TextsShown(run))
            shown += "\"" + text + "\" ";
        return testing::AssertionFailure()
               << "shows " << shown << "(" << run.NoteWindows().size() << " notes)";
    }
    // Pastes the text into the run's note with that text, as the user would.
    static void Paste(const ProgramRun &run, const std::string &into, const std::string &text) {
        PutOnClipboard(text);
        PostMessageW(run.NoteWithText(into), WM_COMMAND, IDM_PASTE, 0);
    }
    // The file's last write time, which a write changes.
    static ULONGLONG WrittenAt(const std::wstring &path) {
        WIN32_FILE_ATTRIBUTE_DATA data = {};
        GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
        return ULONGLONG(data.ftLastWriteTime.dwHighDateTime) << 32 | data.ftLastWriteTime.dwLowDateTime;
    }
};

// Copies 1 and 2 in one folder, 2 with /W. A note made in each shows in the other; one peeled
// off in 1 goes from 2; one changed in both at once is kept in both versions, and not taken away
// while its memo is open; when they are done the file holds everything and neither writes it
// again while idle.
TEST_F(SharedNotesTest, TwoCopiesInOneFolderMergeEachOthersChanges) {
    ProgramRun one;
    ProgramRun two(one);
    WriteFileBytes(one.DataFile(".DAT"), RecordImage(20, 20, 200, 60, "shared"));
    ASSERT_TRUE(StartWith(one, "", 1));
    ASSERT_TRUE(StartWith(two, "/W", 1));

    PostMessageW(one.NoteWithText("shared"), WM_COMMAND, IDM_NEW_NOTE, 0);
    ASSERT_TRUE(Shows(two, {"shared", ""})) << "the note made in copy 1";
    Paste(two, "", "made in 1");
    ASSERT_TRUE(Shows(one, {"shared", "made in 1"}));
    PostMessageW(two.NoteWithText("made in 1"), WM_COMMAND, IDM_NEW_NOTE, 0);
    ASSERT_TRUE(Shows(one, {"shared", "made in 1", ""})) << "the note made in copy 2";
    PostMessageW(one.NoteWithText(""), WM_COMMAND, IDM_PEEL_OFF, 0);
    ASSERT_TRUE(Shows(two, {"shared", "made in 1"})) << "peeled off in copy 1";

    // The note is changed in copy 2's memo while copy 1 changes it too: the note stays in copy 2
    // while its memo is open, and both versions are kept.
    PostMessageW(two.NoteWithText("shared"), WM_COMMAND, IDM_MEMO_INPUT, 0);
    const HWND memo = two.WaitForDialog(SJ_MEMO_INPUT);
    ASSERT_NE(memo, nullptr);
    SetDlgItemTextW(memo, IDC_MEMO_EDIT, L"changed in 2");
    Paste(one, "shared", "changed in 1");
    ASSERT_TRUE(Shows(two, {"shared", "made in 1", "changed in 1"}));
    PressButton(memo, IDOK);
    const std::set<std::string> all = {"changed in 1", "changed in 2", "made in 1"};
    EXPECT_TRUE(Shows(one, all));
    EXPECT_TRUE(Shows(two, all));
    EXPECT_EQ(TextsIn(one.DataFile(".DAT")), all);

    // Copy 2 saves the memo's text, then its mode, then once more as the memo command ends: the last
    // save may land after both copies show every text. The writing is done once a second passes
    // without one.
    ULONGLONG settled = WrittenAt(one.DataFile(".DAT"));
    for (int second = 0; second < 10; ++second) {
        Sleep(1000);
        const ULONGLONG now = WrittenAt(one.DataFile(".DAT"));
        if (now == settled) break;
        settled = now;
    }
    Sleep(7000); // more than two of the program's periodic looks
    EXPECT_EQ(WrittenAt(one.DataFile(".DAT")), settled) << "written again while idle";
    SendMessageW(one.MainWindow(), WM_QUERYENDSESSION, 0, 0);
    SendMessageW(two.MainWindow(), WM_QUERYENDSESSION, 0, 0);
    EXPECT_EQ(TextsIn(one.DataFile(".DAT")), all);
}

// A sync tool between two folders: it copies a notes file whole to the other folder a moment after
// it changes, as sync clients do.
class Copier {
public:
    Copier(std::wstring a, std::wstring b) : a_(std::move(a)), b_(std::move(b)), thread_([this] { Run(); }) {}
    ~Copier() {
        running_ = false;
        thread_.join();
    }

private:
    void Run() {
        std::string seenA = ReadFileBytes(a_), seenB = ReadFileBytes(b_);
        while (running_) {
            Sleep(100);
            CopyIfChanged(a_, b_, seenA, seenB);
            CopyIfChanged(b_, a_, seenB, seenA);
        }
    }
    // Through a file of its own renamed over the other, as a sync client replaces a file; while the
    // other side refuses, it is tried again.
    static void CopyIfChanged(const std::wstring &from, const std::wstring &to, std::string &seenFrom,
                              std::string &seenTo) {
        const std::string bytes = ReadFileBytes(from);
        if (bytes == seenFrom) return;
        Sleep(200);
        WriteFileBytes(to + L".sync", bytes);
        if (!MoveFileExW((to + L".sync").c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) return;
        seenFrom = seenTo = bytes;
    }
    std::wstring a_, b_;
    std::atomic<bool> running_{true};
    std::thread thread_;
};

TEST_F(SharedNotesTest, TwoFoldersKeptAlikeBySyncMergeEachOthersChanges) {
    ProgramRun one, two;
    const std::string notes = RecordImage(20, 20, 200, 60, "shared");
    WriteFileBytes(one.DataFile(".DAT"), notes);
    WriteFileBytes(two.DataFile(".DAT"), notes);
    ASSERT_TRUE(StartWith(one, "/W", 1));
    ASSERT_TRUE(StartWith(two, "/W", 1));
    Copier copier(one.DataFile(".DAT"), two.DataFile(".DAT"));

    Paste(one, "shared", "from PC 1");
    ASSERT_TRUE(Shows(two, {"from PC 1"}));
    PostMessageW(two.NoteWithText("from PC 1"), WM_COMMAND, IDM_NEW_NOTE, 0);
    ASSERT_TRUE(Shows(one, {"from PC 1", ""}));
    PostMessageW(one.NoteWithText(""), WM_COMMAND, IDM_PEEL_OFF, 0);
    EXPECT_TRUE(Shows(two, {"from PC 1"}));
}
