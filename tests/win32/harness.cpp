#include "tests/win32/harness.h"

#include "app/commands.h"
#include "app/startup.h"
#include "app/tray_icon.h"
#include "notes/create_note.h"
#include "platform/program.h"
#include "platform/program_files.h"
#include "platform/wide_text.h"
#include "settings/defaults.h"
#include "store/note_table.h"
#include "tests/sjis_words.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <cwchar>

// ---- In-process program state ----

static void StartProgramOnce() {
    static bool started = false;
    if (started) return;
    started = true;
    programInstance = GetModuleHandleA(nullptr);
    AllocateNoteTables();
    programIcon = LoadIconW(programInstance, L"TAVLO");
    RegisterNoteClass();
    CreateMainWindow();
    BuildNoteMenu();
}

// The program as started without switches, its start-up over.
static void ResetToStart() {
    char noSwitches[] = "";
    ReadSwitches(noSwitches);
    ResetProgramState();
    recordsToSave = -1;
}

void ProgramTest::SetUp() {
    StartProgramOnce();
    CloseAllNotes();
    wideFolder = MakeTempFolder();
    folder = Narrow(wideFolder);
    DeriveProgramFileNames((wideFolder + L"tavlo.exe").c_str());
    ResetToStart();
    SetShift(false);
}

void ProgramTest::TearDown() {
    CloseAllNotes();
    SetShift(false);
    PumpMessages();
    RemoveFolder(wideFolder);
}

HWND OpenNote(const NoteRecord &record) {
    NoteTable[noteCount] = record;
    CreateNote(nullptr, 0);
    return NoteWindowOf(NoteTable[noteCount - 1]);
}

static LRESULT CALLBACK RefuseNoteWindows(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        wchar_t name[64] = L"";
        GetClassNameW(reinterpret_cast<HWND>(wParam), name, 64);
        if (std::wcscmp(name, kWindowClassName) == 0) return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void OpenWindowlessNote(const NoteRecord &record) {
    HHOOK hook = SetWindowsHookExA(WH_CBT, RefuseNoteWindows, nullptr, GetCurrentThreadId());
    NoteTable[noteCount] = record;
    CreateNote(nullptr, 0);
    UnhookWindowsHookEx(hook);
}

NoteRecord MakeRecord(int x, int y, int width, int height, const char *text) {
    NoteRecord r;
    std::memset(&r, 0, sizeof r);
    ApplyTemplateToRecord(r);
    r.x = x;
    r.y = y;
    r.width = width;
    r.height = height;
    lstrcpynA(r.text, text, kTextSize);
    return r;
}

std::string RecordImage(int x, int y, int width, int height, const char *text) {
    const NoteRecord r = MakeRecord(x, y, width, height, text);
    return std::string(reinterpret_cast<const char *>(&r), sizeof r);
}

bool SameRecords(const std::string &file, const std::string &records) {
    if (file.size() != records.size()) return false;
    for (size_t at = 0; at < file.size(); at += sizeof(NoteRecord))
        if (file.compare(at + 4, sizeof(NoteRecord) - 4, records, at + 4, sizeof(NoteRecord) - 4) != 0)
            return false;
    return true;
}

RECT WindowRectOf(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return r;
}

void CloseAllNotes() {
    while (noteCount > 0)
        CloseNote(noteCount - 1);
}

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool WaitFor(const std::function<bool()> &condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) return false;
        PumpMessages();
        Sleep(10);
    }
    return true;
}

// ---- Files ----

std::string ReadFileBytes(const std::string &path) {
    return ReadFileBytes(Wide(path.c_str()));
}

std::string ReadFileBytes(const std::wstring &path) {
    // Shared as far as it goes, so that a save may replace the file while it is read.
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::string();
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    if (!bytes.empty()) ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

void WriteFileBytes(const std::string &path, const std::string &bytes) {
    WriteFileBytes(Wide(path.c_str()), bytes);
}

void WriteFileBytes(const std::wstring &path, const std::string &bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    if (!bytes.empty()) WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

bool FileIsThere(const std::string &path) {
    return FileIsThere(Wide(path.c_str()));
}

bool FileIsThere(const std::wstring &path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

const char kBuiltInSettingsFile[] =
    "[" SJ_CREATION "]\r\n" SJ_CREATION_PLACE "=1\r\n" SJ_DISPLAY_MODE "=0\r\n" SJ_TASKBAR
    "=0\r\n" SJ_BACK_COLOR "=0\r\n" SJ_FONT "=1\r\n" SJ_WRAP "=0\r\n" SJ_OPEN_FIRST "=0\r\n" SJ_MEMO_INPUT
    "=0\r\n"
    "[" SJ_ARRANGEMENT "]\r\n" SJ_PLACE "=1\r\n" SJ_DIRECTION "=1\r\n" SJ_SPACING "=3\r\n" SJ_ARRANGE_AT_ONCE
    "=0\r\n" SJ_FROM_FIRST "=0\r\n" SJ_SORT_KEY "=0\r\n" SJ_SORT_ORDER "=0\r\n"
    "[" SJ_OTHERS "]\r\n" SJ_LOG "=0\r\n" SJ_IME "=0\r\n";

std::string Bytes(const void *data, size_t size) {
    return std::string(static_cast<const char *>(data), size);
}

// ---- Shell ----

static HGLOBAL BlockOf(const void *bytes, size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(block), bytes, size);
    GlobalUnlock(block);
    return block;
}

void PutOnClipboard(const std::string &text, const std::wstring *unicode, LCID locale) {
    ASSERT_TRUE(OpenClipboard(mainWindow));
    EmptyClipboard();
    if (unicode) SetClipboardData(CF_UNICODETEXT, BlockOf(unicode->c_str(), (unicode->size() + 1) * 2));
    SetClipboardData(CF_TEXT, BlockOf(text.c_str(), text.size() + 1));
    SetClipboardData(CF_LOCALE, BlockOf(&locale, sizeof locale));
    CloseClipboard();
}

bool TrayHoldsIcon(HWND owner) {
    NOTIFYICONDATAW record = {};
    record.cbSize = NOTIFYICONDATAW_V1_SIZE;
    record.hWnd = owner;
    record.uID = kTrayIconId;
    return Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE;
}

// ---- Keyboard ----

void SetShift(bool held) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = keys[VK_LSHIFT] = held ? 0x80 : 0;
    SetKeyboardState(keys);
}

// ---- Modal dialogs ----

static std::vector<DialogStep> scriptSteps;
static size_t nextScriptStep;
static DWORD scriptDeadline;
static UINT_PTR scriptTimer;
static bool scriptTimedOut;
static bool scriptMetAStranger; // a dialog no step was waiting for had to be closed

struct CaptionSearch {
    const std::string *caption;
    HWND found;
};

static BOOL CALLBACK MatchCaption(HWND window, LPARAM param) {
    auto *search = reinterpret_cast<CaptionSearch *>(param);
    if (IsWindowVisible(window) && *search->caption == WindowText(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

static HWND FindThreadDialog(const std::string &caption) {
    CaptionSearch search{&caption, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), MatchCaption, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

static BOOL CALLBACK CloseDialog(HWND window, LPARAM stranger) {
    wchar_t className[32] = L"";
    GetClassNameW(window, className, 32);
    if (IsWindowVisible(window) && std::wcscmp(className, L"#32770") == 0) {
        // Named in UTF-8, so that a failing run says which dialog no step expected.
        wchar_t caption[256] = L"";
        GetWindowTextW(window, caption, 256);
        char readable[768] = "";
        WideCharToMultiByte(CP_UTF8, 0, caption, -1, readable, sizeof readable, nullptr, nullptr);
        std::fprintf(stderr, "closing a dialog no step was waiting for: \"%s\"\n", readable);
        if (stranger) scriptMetAStranger = true;
        PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        EndDialog(window, 0);
    }
    return TRUE;
}

static void CALLBACK ScriptTick(HWND, UINT, UINT_PTR, DWORD) {
    if (nextScriptStep < scriptSteps.size()) {
        if (HWND dialog = FindThreadDialog(scriptSteps[nextScriptStep].caption)) {
            const auto act = scriptSteps[nextScriptStep++].act;
            act(dialog);
            return;
        }
    }
    if (GetTickCount() > scriptDeadline) {
        scriptTimedOut = nextScriptStep < scriptSteps.size();
        EnumThreadWindows(GetCurrentThreadId(), CloseDialog, !scriptTimedOut);
        if (nextScriptStep >= scriptSteps.size()) {
            KillTimer(nullptr, scriptTimer);
            scriptTimer = 0;
        }
    }
}

void ExpectDialogs(std::vector<DialogStep> steps, DWORD timeoutMs) {
    if (scriptTimer) KillTimer(nullptr, scriptTimer);
    scriptSteps = std::move(steps);
    nextScriptStep = 0;
    scriptTimedOut = scriptMetAStranger = false;
    scriptDeadline = GetTickCount() + timeoutMs;
    scriptTimer = SetTimer(nullptr, 0, 30, ScriptTick);
}

bool DialogScriptDone() {
    const bool done = nextScriptStep >= scriptSteps.size() && !scriptTimedOut && !scriptMetAStranger;
    if (scriptTimer) KillTimer(nullptr, scriptTimer);
    scriptTimer = 0;
    scriptSteps.clear();
    return done;
}

std::string PlatformCaption(const char *japanese, const char *english) {
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE ? japanese : english;
}

// Posted, so the click is handled by the dialog's own loop after the current step returns.
void PressButton(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void SetCheck(HWND dialog, int id, bool checked) {
    SendDlgItemMessageW(dialog, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool IsChecked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

std::string ControlText(HWND dialog, int id) {
    return ControlText932(dialog, id);
}

std::string MessageBoxText(HWND box) {
    return ControlText(box, 0xFFFF);
}

// ---- Mouse ----

void SendMouse(HWND window, UINT message, int screenX, int screenY) {
    POINT p = {screenX, screenY};
    ScreenToClient(window, &p);
    SendMessageA(window, message, message == WM_MOUSEMOVE ? 0 : MK_LBUTTON, MAKELPARAM(p.x, p.y));
}

// ---- Pixels ----

COLORREF PixelAt(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return color;
}

// ---- Whole-program runs ----

static std::wstring ProgramPath() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + L"tavlo.exe";
}

ProgramRun::ProgramRun(const std::wstring &folderNameEnd) : folder_(MakeTempFolder(folderNameEnd)) {
    CopyFileW(ProgramPath().c_str(), (folder_ + L"tavlo.exe").c_str(), FALSE);
}

ProgramRun::ProgramRun(const ProgramRun &sameFolder) : folder_(sameFolder.folder_), ownsFolder_(false) {}

ProgramRun ProgramRun::InFolder(const std::wstring &folder) {
    return ProgramRun(folder, false);
}

ProgramRun::~ProgramRun() {
    Kill();
    if (ownsFolder_) RemoveFolder(folder_);
}

bool ProgramRun::Running() const {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

// The program first waits for input in its message loop, once start-up (splash included) is over.
bool ProgramRun::WaitUntilRunning(DWORD timeoutMs) const {
    if (!info_.hProcess || WaitForInputIdle(info_.hProcess, timeoutMs) != 0) return false;
    return WaitFor([&] { return MainWindow() != nullptr; }, timeoutMs);
}

bool ProgramRun::Start(const char *switches) {
    std::wstring command = L"\"" + folder_ + L"tavlo.exe\" " + Wide(switches);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    return CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder_.c_str(),
                          &startup, &info_) != 0;
}

static std::wstring ClassOf(HWND window) {
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

struct WindowSearch {
    DWORD processId;
    const std::function<bool(HWND)> *match;
    std::vector<HWND> found;
};

static BOOL CALLBACK CollectMatchingWindow(HWND window, LPARAM param) {
    auto *search = reinterpret_cast<WindowSearch *>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && (*search->match)(window)) search->found.push_back(window);
    return TRUE;
}

std::vector<HWND> ProgramRun::Windows(const std::function<bool(HWND)> &match) const {
    WindowSearch search{info_.dwProcessId, &match, {}};
    EnumWindows(CollectMatchingWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> ProgramRun::NoteWindows() const {
    return Windows([](HWND w) { return ClassOf(w) == kWindowClassName && IsWindowVisible(w); });
}

HWND ProgramRun::MainWindow() const {
    const auto found = Windows([](HWND w) { return ClassOf(w) == kWindowClassName && !IsWindowVisible(w); });
    return found.empty() ? nullptr : found.front();
}

bool ProgramRun::WaitForNotes(size_t count, DWORD timeoutMs) const {
    return WaitFor([&] { return NoteWindows().size() == count; }, timeoutMs);
}

HWND ProgramRun::WaitForWindow(const std::function<bool(HWND)> &match, DWORD timeoutMs) const {
    HWND found = nullptr;
    WaitFor(
        [&] {
            const auto windows = Windows(match);
            found = windows.empty() ? nullptr : windows.front();
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

HWND ProgramRun::NoteWithText(const std::string &text, DWORD timeoutMs) const {
    const std::string title = SJ_TAVLO " - " + text;
    return WaitForWindow(
        [&](HWND w) {
            return ClassOf(w) == kWindowClassName && IsWindowVisible(w) && WindowText(w) == title;
        },
        timeoutMs);
}

HWND ProgramRun::WaitForDialog(const char *caption, DWORD timeoutMs) const {
    return WaitForWindow([caption](HWND w) { return IsWindowVisible(w) && WindowText(w) == caption; },
                         timeoutMs);
}

static BOOL CALLBACK FindContentsTree(HWND child, LPARAM found) {
    if (ClassOf(child) != WC_TREEVIEWW) return TRUE;
    *reinterpret_cast<HWND *>(found) = child;
    return FALSE;
}

// The entries of the viewer's contents tree, the pages of collapsed books included.
static LRESULT ContentsEntries(HWND viewer) {
    HWND tree = nullptr;
    EnumChildWindows(viewer, FindContentsTree, reinterpret_cast<LPARAM>(&tree));
    return tree ? SendMessageW(tree, TVM_GETCOUNT, 0, 0) : 0;
}

// The viewer's window class has that name on Windows and under Wine alike; its contents are
// filled in after it is shown.
HWND ProgramRun::WaitForHelpViewer(DWORD timeoutMs) const {
    return WaitForWindow(
        [](HWND w) { return ClassOf(w) == L"HH Parent" && IsWindowVisible(w) && ContentsEntries(w) > 1; },
        timeoutMs);
}

int ProgramRun::WaitForExit(DWORD timeoutMs) {
    if (!info_.hProcess || WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
    DWORD status = 0;
    GetExitCodeProcess(info_.hProcess, &status);
    return static_cast<int>(status);
}

void ProgramRun::Kill() {
    if (!info_.hProcess) return;
    if (WaitForSingleObject(info_.hProcess, 0) != WAIT_OBJECT_0) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
    info_ = PROCESS_INFORMATION{};
}
