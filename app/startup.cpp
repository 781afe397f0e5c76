// Start-up in its fixed order, the message loop, and shutdown in its fixed order.
#include "app/startup.h"

#include "app/commands.h"
#include "app/file_watch.h"
#include "app/single_instance.h"
#include "app/splash.h"
#include "app/switches.h"
#include "app/tray_icon.h"
#include "app/window_procedure.h"
#include "notes/background_bitmap.h"
#include "notes/create_note.h"
#include "notes/note_mouse.h"
#include "notes/paint_note.h"
#include "platform/file_util.h"
#include "platform/program.h"
#include "platform/program_files.h"
#include "platform/system_dlls.h"
#include "platform/wide_text.h"
#include "platform/whole_file_save.h"
#include "res/resource.h"
#include "settings/defaults.h"
#include "settings/defaults_file.h"
#include "settings/settings.h"
#include "store/note_table.h"
#include "store/notes_file.h"
#include "textio/export_notes.h"

#include <string>

static HANDLE instanceObject;
static HACCEL accelerators;

void ReadSwitches(char *tail) {
    timerMode = 0;
    if (HasSwitch(tail, "/TIMER")) {
        timerMode = 1;
        if (!StartDateMacroTimer()) timerMode = 0;
    }
    requireSavedNotes = HasSwitch(tail, "/S");
    ignoreSettings = HasSwitch(tail, "/I");
    perPathInstance = HasSwitch(tail, "/W");
}

// The settings that ResetDefaults leaves alone start as they do when the program starts.
static void ResetStartValues() {
    openEmptyFirst = openInputAtOnce = logEnabled = imeControl = 0;
    backgroundBitmapPath[0] = '\0';
}

void ResetProgramState() {
    programEnding = false;
    ResetDefaults();
    ResetStartValues();
    ReleaseBackgroundBitmap();
    lastCommandWindow = nullptr;
    ResetClock();
    ResetDrag();
    ResetExportChoices();
    ForgetSaveFailures();
    ForgetNotesFileBase();
    ForgetSettingsBase();
}

bool RegisterNoteClass() {
    WNDCLASSW windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS; // 11
    windowClass.lpfnWndProc = NoteWindowProc;
    windowClass.hInstance = programInstance;
    windowClass.hIcon = programIcon;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kWindowClassName;
    return RegisterClassW(&windowClass) != 0;
}

HWND CreateMainWindow() {
    mainWindow = CreateWindowExW(WS_EX_TOOLWINDOW, kWindowClassName, L"" PROGRAM_NAME, WS_OVERLAPPEDWINDOW, 0,
                                 0, 0, 0, nullptr, nullptr, programInstance, nullptr);
    return mainWindow;
}

// The program's own path, whole however deep its folder lies.
static std::wstring ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length < path.size() || path.size() >= kLongestPath) {
            path.resize(length < path.size() ? length : path.size());
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// Opens the loaded records as notes; false when /S finds nothing worth showing.
static bool RestoreNotes() {
    if (recordsToSave > 0) {
        if (requireSavedNotes && TextIsEmpty(NoteTable[0])) return false;
        OpenRestoredNotes(recordsToSave);
        // Said once, not once per record left out; those records are in the ".full" file.
        if (notesFileBeyondLimit) ShowNoteLimitMessage();
    } else {
        if (requireSavedNotes) return false;
        if (openEmptyFirst) CreateNote(nullptr, 1);
    }
    return true;
}

// False when the notes file cannot be taken in: the program then ends without writing over it,
// and the check comes first so that no other file is touched either.
static bool LoadEverything() {
    if (!NotesFileReadable()) return false;
    BackupNotesFile();
    ResetProgramState();
    LoadDefaultsFile(1);
    programIcon = LoadIconW(programInstance, L"" IDI_TAVLO);
    RegisterNoteClass();
    CreateMainWindow();
    AddTrayIcon();
    LoadSettings();
    if (!LoadNotesFile()) {
        RemoveTrayIcon();
        return false;
    }
    LoadBackgroundBitmap(backgroundBitmapPath);
    if (ignoreSettings) {
        ResetDefaults();
        // The first empty note would otherwise open from the cleared slot: 0 x 0 pixels, black
        // on black. It takes the built-in template instead.
        ApplyTemplateToRecord(NoteTable[0]);
    }
    return true;
}

// Waits for a message or the folder's change notice. Keys are offered to the accelerators on
// behalf of whichever window is in the foreground, not the message's own, then translated into
// characters. No other message can become a command or a character, so only keys take that way:
// under Wine each step is a call out of the program, and the clock's every tick and paint would
// pay for it.
static int RunMessageLoop() {
    MSG message;
    for (;;) {
        HANDLE notice = FolderChangeNotice();
        if (notice && MsgWaitForMultipleObjectsEx(1, &notice, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE) ==
                          WAIT_OBJECT_0) {
            OnFolderChanged();
            continue;
        }
        if (!notice && !WaitMessage()) return 0;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
            if (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST) {
                if (TranslateAcceleratorW(GetForegroundWindow(), accelerators, &message)) continue;
                TranslateMessage(&message);
            }
            DispatchMessageW(&message);
        }
    }
}

static void Shutdown() {
    StopWatchingFiles();
    CloseHtmlHelp(); // before the end, as HTML Help asks of the program that opened it
    if (timerMode) StopDateMacroTimer();
    RemoveTrayIcon();
    DestroyWindow(mainWindow);
    while (noteCount != 0)
        CloseNote(noteCount - 1);
    DestroyNoteMenu();
    ReleaseNoteTables();
    CloseHandle(instanceObject);
    if (backgroundBitmapLoaded) ReleaseBackgroundBitmap();
}

int RunProgram(HINSTANCE instance, char *commandTail) {
    programInstance = instance;
    ReadSwitches(commandTail);
    instanceObject = AcquireSingleInstance(perPathInstance);
    if (!instanceObject) return 0;
    if (!AllocateNoteTables()) {
        CloseHandle(instanceObject);
        ShowErrorMessage(" メモリを確保できません. ");
        return 0;
    }
    // Without them the property sheet and the history cannot open; the program runs on.
    if (!InitCommonControlsFromSystem())
        ShowErrorMessage(" コモンコントロールを初期化できません. \n プロパティと履歴は開けません. ");
    DeriveProgramFileNames(ModulePath().c_str());
    if (!LoadEverything()) return 0;
    ShowSplash();
    if (!RestoreNotes()) {
        RemoveTrayIcon();
        return 0;
    }
    recordsToSave = -1;
    BuildNoteMenu();
    accelerators = LoadAcceleratorsW(programInstance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
    StartWatchingFiles();
    const int status = RunMessageLoop();
    Shutdown();
    return status;
}
