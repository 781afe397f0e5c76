// The command dispatcher: one line per command, the work in one function each.
#include "app/commands.h"

#include "app/about_box.h"
#include "app/save_all.h"
#include "notes/arrange_notes.h"
#include "notes/create_note.h"
#include "platform/file_error_message.h"
#include "platform/file_util.h"
#include "platform/help_viewer.h"
#include "platform/keyboard.h"
#include "platform/program.h"
#include "platform/program_files.h"
#include "platform/wide_text.h"
#include "res/resource.h"
#include "settings/default_settings_dialog.h"
#include "settings/defaults.h"
#include "settings/property_sheet.h"
#include "settings/settings.h"
#include "store/note_table.h"
#include "textio/export_notes.h"
#include "textio/history_log.h"

#include <cstring>

// The note's slot, or -1 when the window is not an open note (the main window, a closed note).
static int NoteIndex(HWND window) {
    const int index = FindNote(window);
    return index < noteCount ? index : -1;
}

// Each command returns whether SaveAll is to run after it.
using CommandFunction = bool (*)(HWND window);

static bool MemoInputCommand(HWND window) {
    if (NoteIndex(window) < 0) return false;
    SendMessageW(window, WM_LBUTTONDBLCLK, 0, 0);
    return InvokerStillThere(window);
}

static bool ClearCommand(HWND window) {
    const int index = NoteIndex(window);
    if (index < 0) return false;
    static const char kNoText[kTextSize] = {};
    ReplaceNoteText(index, kNoText);
    RepaintNote(window);
    return true;
}

static bool UndoCommand(HWND window) {
    const int index = NoteIndex(window);
    if (index < 0 || TextIsEmpty(UndoTable[index])) return false;
    std::memcpy(NoteTable[index].text, UndoTable[index].text, kTextSize);
    std::memset(UndoTable[index].text, 0, kTextSize);
    RepaintNote(window);
    return true;
}

// Creates a note from the window; true when one was made (the table may be full).
static bool CreateNoteFrom(HWND window) {
    const int before = noteCount;
    CreateNote(window, 1);
    return noteCount > before;
}

static bool NewNoteCommand(HWND window) {
    if (ShiftHeld()) {
        const bool applied = OpenPropertySheet(window, SheetPages::CreationOnly);
        if (!InvokerStillThere(window)) return false;
        if (!applied) return true; // the sheet may have changed settings all the same
    }
    if (CreateNoteFrom(window) && openInputAtOnce)
        SendMessageW(NoteWindowOf(NoteTable[noteCount - 1]), WM_LBUTTONDBLCLK, 0, 0);
    return true;
}

// With logging on, a note is removed only once its whole entry is in the log; otherwise it stays
// as it was, nothing is saved, and the user learns why.
static bool PeelOffCommand(HWND window) {
    const int index = NoteIndex(window);
    if (index < 0) return false;
    if (logEnabled) {
        if (const DWORD error = AppendToLog(index)) {
            ShowFileErrorMessage(logPath, "この履歴ファイルに書き込めません.", error,
                                 "メモははがさずにそのまま残します.");
            return false;
        }
    }
    CloseNote(index);
    return true;
}

// The chosen history text replaces the note's text; the old record becomes its undo copy.
static void RestoreIntoNote(HWND window, const HistoryChoice &choice) {
    ReplaceNoteText(NoteIndex(window), choice.historyText); // the whole field, old bytes included
    RepaintNote(window);
}

// A full table makes CreateNote refuse with its own message; then nothing is restored.
static void RestoreIntoNewNote(HWND window, const HistoryChoice &choice) {
    if (!CreateNoteFrom(window)) return;
    NoteRecord &created = NoteTable[noteCount - 1];
    std::memcpy(created.text, choice.historyText, kTextSize);
    RepaintNote(NoteWindowOf(created));
}

static bool HistoryCommand(HWND window) {
    if (!FileExists(logPath)) return false;
    HistoryChoice choice = {};
    // A dialog that could not be made chooses nothing, as Cancel does.
    const bool chosen = HistoryDialog(window, choice) == 1;
    if (!InvokerStillThere(window)) return false;
    if (!chosen) return true;
    if (choice.restoreToNewNote || noteCount == 0 || window == mainWindow)
        RestoreIntoNewNote(window, choice);
    else
        RestoreIntoNote(window, choice);
    return true;
}

static bool CopyCommand(HWND window) {
    const int index = NoteIndex(window);
    if (index >= 0 && !TextIsEmpty(NoteTable[index])) CopyNoteText(window);
    return false;
}

static bool PasteCommand(HWND window) {
    if (NoteIndex(window) < 0) return false;
    PasteNoteText(window);
    return true;
}

static bool FileOutputCommand(HWND window) {
    RunExportSequence(window);
    return false;
}

// With Shift every open note takes the mode (and the save runs even when none is open);
// without it the command needs a note.
static bool ApplyModeCommand(HWND window, int mode) {
    if (ShiftHeld()) {
        for (int i = 0; i < noteCount; ++i)
            if (const HWND note = NoteWindowOf(NoteTable[i])) SetDisplayMode(note, mode);
        return true;
    }
    if (NoteIndex(window) < 0) return false;
    SetDisplayMode(window, mode);
    return true;
}
static bool NormalModeCommand(HWND window) {
    return ApplyModeCommand(window, kModeNormal);
}
static bool TopmostModeCommand(HWND window) {
    return ApplyModeCommand(window, kModeTopmost);
}
static bool WallpaperModeCommand(HWND window) {
    return ApplyModeCommand(window, kModeWallpaper);
}

// With Shift every note takes the invoking note's new value; notes are not toggled one by one.
static bool TaskbarCommand(HWND window) {
    const int index = NoteIndex(window);
    if (index < 0) return false;
    const uint8_t value = NoteTable[index].taskbarFlag == 1 ? 0 : 1;
    const bool all = ShiftHeld();
    for (int i = all ? 0 : index; i < (all ? noteCount : index + 1); ++i) {
        NoteTable[i].taskbarFlag = value;
        if (const HWND note = NoteWindowOf(NoteTable[i])) SetDisplayMode(note, ModeOf(NoteTable[i]));
    }
    return true;
}

static bool BackColorCommand(HWND window) {
    const int index = NoteIndex(window);
    if (index < 0) return false;
    CHOOSECOLORW choice = {};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = window;
    choice.hInstance = reinterpret_cast<HWND>(programInstance);
    choice.rgbResult = NoteTable[index].backColor;
    choice.lpCustColors = customColors;
    choice.Flags = CC_RGBINIT;
    if (!ChooseColorW(&choice)) return false;
    const int after = NoteIndex(window);
    if (after < 0) return false;
    NoteTable[after].backColor = choice.rgbResult;
    RepaintNote(window);
    return true;
}

static bool FontCommand(HWND window) {
    const int index = NoteIndex(window);
    if (index < 0) return false;
    LOGFONTW font = WideLogFont(*LogFontOf(NoteTable[index]));
    CHOOSEFONTW choice = FontDialogFor(NoteTable[index].fontDialog, window, &font);
    if (!ChooseFontW(&choice)) return false;
    const int after = NoteIndex(window);
    if (after < 0) return false;
    TakeWideLogFont(font, *LogFontOf(NoteTable[after]));
    StoreFontDialog(NoteTable[after].fontDialog, choice);
    PointFontDialogAtOwnFont(NoteTable[after]);
    RepaintNote(window);
    return true;
}

static bool ArrangeCommand(HWND window) {
    if (ShiftHeld()) {
        const bool applied = OpenPropertySheet(window, SheetPages::ArrangementOnly);
        if (!InvokerStillThere(window)) return false;
        if (!applied) return true;
    }
    if (noteCount > 0) ArrangeNotes(window);
    return true;
}

static bool WrapCommand(HWND window) {
    const int index = NoteIndex(window);
    if (index < 0) return false;
    NoteTable[index].wrapFlag = NoteTable[index].wrapFlag == 0 ? 1 : 0;
    RepaintNote(window);
    return true;
}

static bool HelpCommand(HWND window) {
    ShowHelp(window);
    return false;
}

static bool AboutCommand(HWND window) {
    ShowAboutBox(window);
    return false;
}

static bool DefaultSettingsCommand(HWND window) {
    DefaultSettingsDialog(window);
    return InvokerStillThere(window);
}

static bool PropertiesCommand(HWND window) {
    OpenPropertySheet(window, SheetPages::All);
    return InvokerStillThere(window);
}

static bool ExitCommand(HWND) {
    if (!ShiftHeld() && MessageBox932(nullptr, " \"" PROGRAM_NAME "\" を終了しますか？ ", "終了確認",
                                      MB_YESNO | MB_ICONQUESTION) != IDYES)
        return false;
    SaveAll();
    programEnding = true; // dialogs still open end with their notes and must not save the empty table
    while (noteCount != 0)
        CloseNote(noteCount - 1);
    CloseNote(-1);
    return false;
}

struct CommandEntry {
    UINT id;
    CommandFunction run;
};

static const CommandEntry kCommands[] = {
    {IDM_MEMO_INPUT, MemoInputCommand},
    {IDM_CLEAR, ClearCommand},
    {IDM_UNDO, UndoCommand},
    {IDM_NEW_NOTE, NewNoteCommand},
    {IDM_PEEL_OFF, PeelOffCommand},
    {IDM_HISTORY, HistoryCommand},
    {IDM_COPY, CopyCommand},
    {IDM_PASTE, PasteCommand},
    {IDM_FILE_OUTPUT, FileOutputCommand},
    {IDM_MODE_NORMAL, NormalModeCommand},
    {IDM_MODE_TOPMOST, TopmostModeCommand},
    {IDM_MODE_WALLPAPER, WallpaperModeCommand},
    {IDM_TASKBAR, TaskbarCommand},
    {IDM_BACK_COLOR, BackColorCommand},
    {IDM_FONT, FontCommand},
    {IDM_ARRANGE, ArrangeCommand},
    {IDM_WRAP, WrapCommand},
    {IDM_HELP_TOPICS, HelpCommand},
    {IDM_ABOUT, AboutCommand},
    {IDM_DEFAULT_SETTINGS, DefaultSettingsCommand},
    {IDM_PROPERTIES, PropertiesCommand},
    {IDM_EXIT, ExitCommand},
};

void DispatchCommand(HWND window, UINT command) {
    lastCommandWindow = window;
    for (const CommandEntry &entry : kCommands) {
        if (entry.id != command) continue;
        bool save;
        {
            const NoteHold hold(window); // its dialogs may be up while another writer's notes come in
            save = entry.run(window);
        }
        if (save) SaveAll();
        return;
    }
}
