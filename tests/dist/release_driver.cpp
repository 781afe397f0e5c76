// Drives the release zip's own tavlo.exe, unpacked into FOLDER with a notes file beside it, as a
// user would: start it, see its two notes and its tray icon, paste into a note and exit.
// tests/dist/release_program_test.py then checks the files byte for byte.
// Usage: release_driver FOLDER    Exit status 0 when every step was seen, 1 with a message if not.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "platform/program.h"
#include "res/resource.h"

// Generous: the program may run under an emulator, many times slower than natively.
static const DWORD kTimeoutMs = 60000;
// What the driver pastes: Japanese text whose 表 has the trail byte 0x5C in Shift-JIS.
static const wchar_t kPasted[] = L"\x8CBC\x308A\x4ED8\x3051\x8868\x793A"; // 貼り付け表示

// The window class of the notes and the main window: the program's name.
static const wchar_t kNoteClass[] = L"" PROGRAM_NAME;

static PROCESS_INFORMATION program;

static int Fail(const char *what) {
    std::printf("FAILED: %s\n", what);
    if (program.hProcess) TerminateProcess(program.hProcess, 1);
    return 1;
}

static bool WaitFor(const std::function<bool()> &condition) {
    for (const DWORD start = GetTickCount(); !condition(); Sleep(20))
        if (GetTickCount() - start > kTimeoutMs) return false;
    return true;
}

static std::wstring ClassOf(HWND window) {
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

struct WindowSearch {
    const wchar_t *className;
    bool visible;
    std::vector<HWND> found;
};

static BOOL CALLBACK CollectProgramWindow(HWND window, LPARAM param) {
    auto *search = reinterpret_cast<WindowSearch *>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == program.dwProcessId && ClassOf(window) == search->className &&
        (IsWindowVisible(window) != FALSE) == search->visible)
        search->found.push_back(window);
    return TRUE;
}

// The program's top-level windows of the class, visible or hidden, in z-order.
static std::vector<HWND> ProgramWindows(const wchar_t *className, bool visible) {
    WindowSearch search{className, visible, {}};
    EnumWindows(CollectProgramWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

static HWND VisibleNoteAt(LONG left, LONG top) {
    for (HWND note : ProgramWindows(kNoteClass, true)) {
        RECT r;
        if (GetWindowRect(note, &r) && r.left == left && r.top == top) return note;
    }
    return nullptr;
}

static std::string FileBytes(const std::string &path) {
    std::string bytes;
    if (FILE *f = std::fopen(path.c_str(), "rb")) {
        char block[4096];
        for (size_t n; (n = std::fread(block, 1, sizeof block, f)) > 0;)
            bytes.append(block, n);
        std::fclose(f);
    }
    return bytes;
}

// Whether the shell holds the program's tray icon: only an icon it holds can be changed.
static bool TrayIconShown(HWND main) {
    NOTIFYICONDATAW record = {};
    record.cbSize = NOTIFYICONDATAW_V1_SIZE;
    record.hWnd = main;
    record.uID = 1; // the program's one icon
    return Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE;
}

static bool PutOnClipboard(const wchar_t *text) {
    const size_t size = (std::wcslen(text) + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(block), text, size);
    GlobalUnlock(block);
    if (!OpenClipboard(nullptr)) return false;
    EmptyClipboard();
    const bool put = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    CloseClipboard();
    return put;
}

int main(int argc, char **argv) {
    if (argc != 2) return Fail("usage: release_driver FOLDER");
    const std::string folder = std::string(argv[1]) + "\\";
    const std::string notesPath = folder + "tavlo.DAT";
    const std::string notesBefore = FileBytes(notesPath);

    std::string command = "\"" + folder + "tavlo.exe\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &program))
        return Fail("the program does not start");
    // It waits for input once start-up, the splash included, is over.
    if (WaitForInputIdle(program.hProcess, kTimeoutMs) != 0 ||
        !WaitFor([] { return !ProgramWindows(kNoteClass, false).empty(); }))
        return Fail("no main window");
    const HWND main = ProgramWindows(kNoteClass, false).front();
    // The notes file the test writes holds a note at (30, 40) and one at (300, 400). A note is
    // shown, hidden and shown again while its display mode is applied, so both are looked for at
    // once.
    HWND first = nullptr, second = nullptr;
    if (!WaitFor([&] {
            first = VisibleNoteAt(30, 40);
            second = VisibleNoteAt(300, 400);
            return first && second && ProgramWindows(kNoteClass, true).size() == 2;
        }))
        return Fail("the two saved notes are not shown at their places");

    if (!WaitFor([&] { return TrayIconShown(main); })) return Fail("no tray icon");

    // Paste into the first note; the change is saved at once.
    if (!PutOnClipboard(kPasted)) return Fail("the clipboard cannot be set");
    PostMessageA(first, WM_COMMAND, IDM_PASTE, 0);
    if (!WaitFor([&] {
            const std::string now = FileBytes(notesPath);
            return !now.empty() && now != notesBefore;
        }))
        return Fail("the paste is not saved");

    // Exit from the tray's command target, answering its question with Yes.
    PostMessageA(main, WM_COMMAND, IDM_EXIT, 0);
    if (!WaitFor([] { return !ProgramWindows(L"#32770", true).empty(); })) return Fail("exit asks nothing");
    PostMessageA(ProgramWindows(L"#32770", true).front(), WM_COMMAND, IDYES, 0);
    if (WaitForSingleObject(program.hProcess, kTimeoutMs) != WAIT_OBJECT_0)
        return Fail("the program does not end");
    DWORD status = 1;
    GetExitCodeProcess(program.hProcess, &status);
    if (status != 0) return Fail("the program ends with a status other than 0");
    if (TrayIconShown(main)) return Fail("the tray icon stays after the end");
    std::printf("ok\n");
    return 0;
}
