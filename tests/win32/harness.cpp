#include "tests/win32/harness.h"

#include "app/commands.h"
#include "app/startup.h"
#include "notes/create_note.h"
#include "platform/program.h"
#include "platform/program_files.h"
#include "settings/defaults.h"
#include "store/note_table.h"

#include <cstring>

// ---- In-process program state ----

static void StartProgramOnce() {
    static bool started = false;
    if (started) return;
    started = true;
    programInstance = GetModuleHandleA(nullptr);
    AllocateNoteTables();
    programIcon = LoadIconA(programInstance, "TAVLO");
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
    folder = MakeTempFolder();
    DeriveProgramFileNames((folder + "tavlo.exe").c_str());
    ResetToStart();
    SetShift(false);
}

void ProgramTest::TearDown() {
    CloseAllNotes();
    SetShift(false);
    PumpMessages();
    RemoveFolder(folder);
}

HWND OpenNote(const NoteRecord &record) {
    NoteTable[noteCount] = record;
    CreateNote(nullptr, 0);
    return NoteWindowOf(NoteTable[noteCount - 1]);
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
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
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
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::string();
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    if (!bytes.empty()) ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

void WriteFileBytes(const std::string &path, const std::string &bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    if (!bytes.empty()) WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

bool FileIsThere(const std::string &path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Bytes(const void *data, size_t size) {
    return std::string(static_cast<const char *>(data), size);
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

struct CaptionSearch {
    const std::string *caption;
    HWND found;
};

static BOOL CALLBACK MatchCaption(HWND window, LPARAM param) {
    auto *search = reinterpret_cast<CaptionSearch *>(param);
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    if (IsWindowVisible(window) && *search->caption == text) {
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

static BOOL CALLBACK CloseDialog(HWND window, LPARAM) {
    char className[32] = "";
    GetClassNameA(window, className, sizeof className);
    if (IsWindowVisible(window) && std::strcmp(className, "#32770") == 0) {
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
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
        EnumThreadWindows(GetCurrentThreadId(), CloseDialog, 0);
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
    scriptTimedOut = false;
    scriptDeadline = GetTickCount() + timeoutMs;
    scriptTimer = SetTimer(nullptr, 0, 30, ScriptTick);
}

bool DialogScriptDone() {
    const bool done = nextScriptStep >= scriptSteps.size() && !scriptTimedOut;
    if (scriptTimer) KillTimer(nullptr, scriptTimer);
    scriptTimer = 0;
    scriptSteps.clear();
    return done;
}

// Posted, so the click is handled by the dialog's own loop after the current step returns.
void PressButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void SetCheck(HWND dialog, int id, bool checked) {
    SendDlgItemMessageA(dialog, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool IsChecked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

std::string ControlText(HWND dialog, int id) {
    char text[2048] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

std::string MessageBoxText(HWND box) {
    return ControlText(box, 0xFFFF);
}

// ---- Pixels ----

COLORREF PixelAt(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return color;
}

// ---- Whole-program runs ----

static std::string ProgramPath() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1) + "tavlo.exe";
}

ProgramRun::ProgramRun() : folder_(MakeTempFolder()) {
    CopyFileA(ProgramPath().c_str(), (folder_ + "tavlo.exe").c_str(), FALSE);
}

ProgramRun::ProgramRun(const ProgramRun &sameFolder) : folder_(sameFolder.folder_), ownsFolder_(false) {}

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
    std::string command = "\"" + folder_ + "tavlo.exe\" " + switches;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    return CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder_.c_str(),
                          &startup, &info_) != 0;
}

static std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

static std::string TextOf(HWND window) {
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
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

HWND ProgramRun::WaitForDialog(const char *caption, DWORD timeoutMs) const {
    return WaitForWindow([caption](HWND w) { return IsWindowVisible(w) && TextOf(w) == caption; }, timeoutMs);
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
