// Helpers for the Windows tests: a private program state per test, modal dialogs driven from
// inside their own loop, the Shift key, and a launcher for whole-program runs.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/wide_text.h"
#include "store/note_record.h"
#include "tests/win32/temp_folder.h"

// ---- In-process program state ----

// Sets up the program once per test executable (tables, window class, main window, menu) and
// before each test empties the tables, resets every setting and gives the data files a fresh
// private folder. Derive from it with TEST_F.
#include <gtest/gtest.h>
class ProgramTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // The folder holding this test's data files (ends with a backslash), in UTF-16 and as
    // Shift-JIS text (its name is plain ASCII).
    std::wstring wideFolder;
    std::string folder;
};

// Opens a note from a prepared record, as start-up restores one. Returns its window.
HWND OpenNote(const NoteRecord &record);
// Opens a note from a record as start-up does when the platform refuses to make its window.
void OpenWindowlessNote(const NoteRecord &record);
// A record with the built-in template's attributes, at the given place and with the text.
NoteRecord MakeRecord(int x, int y, int width, int height, const char *text = "");
// The bytes of such a record, as a notes file holds it.
std::string RecordImage(int x, int y, int width, int height, const char *text = "");
// True when the notes file holds these records, whatever window handles it stored.
bool SameRecords(const std::string &file, const std::string &records);
// The window's rectangle in screen pixels.
RECT WindowRectOf(HWND window);
// Closes every note (last first), as shutdown does.
void CloseAllNotes();

// Runs the window messages that are waiting, without blocking.
void PumpMessages();
// Pumps messages until the condition holds or the time runs out; returns the condition.
bool WaitFor(const std::function<bool()> &condition, DWORD timeoutMs = 5000);

// ---- Files ----
// Paths in UTF-16, or in Shift-JIS like every other text of the tests.
std::string ReadFileBytes(const std::string &path);
std::string ReadFileBytes(const std::wstring &path);
void WriteFileBytes(const std::string &path, const std::string &bytes);
void WriteFileBytes(const std::wstring &path, const std::string &bytes);
bool FileIsThere(const std::string &path);
bool FileIsThere(const std::wstring &path);
// The settings file the first save writes with the built-in settings: sections and keys in order.
extern const char kBuiltInSettingsFile[];
// Joins text bytes, for building expected file contents with embedded zeros.
std::string Bytes(const void *data, size_t size);

// ---- Shell ----
// Text as a program places it: the bytes and their locale (Japanese unless given), and Unicode
// text when given (without it the platform makes that from the bytes). The main window owns it.
void PutOnClipboard(const std::string &text, const std::wstring *unicode = nullptr, LCID locale = 0x0411);
// Whether the shell holds the program's tray icon for the window: only an icon it holds can be
// changed.
bool TrayHoldsIcon(HWND owner);

// ---- Keyboard ----
// Sets or clears the Shift key in this thread's key state, as commands read it.
void SetShift(bool held);
struct ShiftScope {
    ShiftScope() { SetShift(true); }
    ~ShiftScope() { SetShift(false); }
};

// ---- Modal dialogs ----
// One step of a dialog script: when a dialog with this caption appears (in this thread), act on
// it. Steps run in order; a thread timer polls from inside the dialog's own message loop.
struct DialogStep {
    std::string caption;
    std::function<void(HWND dialog)> act;
};

// Arms the script; the caller then runs the code that opens the dialogs. Dialogs that are still
// open after timeoutMs are closed (and counted as a failure by DialogScriptDone).
void ExpectDialogs(std::vector<DialogStep> steps, DWORD timeoutMs = 8000);
// True when every step ran and no other dialog had to be closed; disarms the script.
bool DialogScriptDone();

// The caption of one of the platform's own dialogs, which speak the language of the user
// interface: Japanese, or English under any other locale.
std::string PlatformCaption(const char *japanese, const char *english);

// Presses a button of a dialog as a click would.
void PressButton(HWND dialog, int id);
void SetCheck(HWND dialog, int id, bool checked);
bool IsChecked(HWND dialog, int id);
// Texts of windows and controls, in Shift-JIS.
std::string ControlText(HWND dialog, int id);
// The text of the message box's message (its static control).
std::string MessageBoxText(HWND box);

// ---- Mouse ----
// Sends a mouse message with a screen point, converted to the window's client coordinates as the
// platform would deliver it.
void SendMouse(HWND window, UINT message, int screenX, int screenY);

// ---- Pixels ----
COLORREF PixelAt(HWND window, int x, int y);

// ---- Whole-program runs ----
// A copy of tavlo.exe in a fresh folder of its own, started with switches.
class ProgramRun {
public:
    // The folder's name may end with characters of any kind.
    explicit ProgramRun(const std::wstring &folderNameEnd = L"");
    // A second run of the copy in another run's folder (shares its data files).
    explicit ProgramRun(const ProgramRun &sameFolder);
    // A run of the program that already lies in the folder (ending with a backslash), which stays.
    static ProgramRun InFolder(const std::wstring &folder);
    ~ProgramRun();
    const std::wstring &Folder() const { return folder_; }
    std::wstring DataFile(const char *extension) const { return folder_ + L"tavlo" + Wide(extension); }
    bool Start(const char *switches = "");
    // The visible note windows of the process (the class of the notes), in z-order.
    std::vector<HWND> NoteWindows() const;
    bool WaitForNotes(size_t count, DWORD timeoutMs = 10000) const;
    // The top-level windows of the process that pass the test, in z-order.
    std::vector<HWND> Windows(const std::function<bool(HWND)> &match) const;
    // The first such window, waiting for one to appear; null after the timeout.
    HWND WaitForWindow(const std::function<bool(HWND)> &match, DWORD timeoutMs = 10000) const;
    // Finds a top-level dialog of the process with the caption; null after the timeout.
    HWND WaitForDialog(const char *caption, DWORD timeoutMs = 10000) const;
    // The platform's HTML Help window of the process once its contents are listed; null after the
    // timeout.
    HWND WaitForHelpViewer(DWORD timeoutMs = 10000) const;
    HWND MainWindow() const;
    // Waits until start-up is over and the program's message loop answers.
    bool WaitUntilRunning(DWORD timeoutMs = 15000) const;
    bool Running() const;
    // Waits for the process to end; returns its exit status, or -1 after the timeout.
    int WaitForExit(DWORD timeoutMs = 15000);
    void Kill();
    // The visible note whose text (as its title shows it) is this, waiting for it a while (a note
    // is hidden for a moment while its display mode is applied); null after the timeout.
    HWND NoteWithText(const std::string &text, DWORD timeoutMs = 10000) const;
    DWORD ProcessId() const { return info_.dwProcessId; }

private:
    ProgramRun(const std::wstring &folder, bool ownsFolder) : folder_(folder), ownsFolder_(ownsFolder) {}
    std::wstring folder_;
    bool ownsFolder_ = true;
    PROCESS_INFORMATION info_{};
};
