// The file-output command and the writing of the export file.
#include "textio/export_notes.h"

#include "platform/file_util.h"
#include "platform/keyboard.h"
#include "platform/wide_text.h"
#include "res/resource.h"
#include "store/note_table.h"

#include <commdlg.h>
#include <cstring>
#include <string>

// Prompt before overwriting, no read-only box, the folder must exist. The platform's
// "file must exist" flag is left out: it would refuse every new file name.
constexpr DWORD kSaveDialogFlags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST; // 0x0806

// Pairs of a name and a pattern, each ending in a NUL, with one more at the end.
static const char kTextFilter[] = "ﾃｷｽﾄ ﾌｧｲﾙ(*.txt)\0*.txt\0全てのﾌｧｲﾙ(*.*)\0*.*\0";
static const char kCsvFilter[] = "CSV ﾌｧｲﾙ(*.csv)\0*.csv\0全てのﾌｧｲﾙ(*.*)\0*.*\0";

// The platform's save-file dialog, proposing no name and adding no extension.
static bool ChooseExportPath(HWND owner, ExportChoices &choices) {
    std::memset(choices.exportPath, 0, sizeof choices.exportPath);
    const std::wstring filter = choices.exportFormat == IDC_FORMAT_CSV
                                    ? Wide(kCsvFilter, sizeof kCsvFilter)
                                    : Wide(kTextFilter, sizeof kTextFilter);
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = choices.exportPath;
    dialog.nMaxFile = kExportPathSize;
    dialog.lpstrInitialDir = L".";
    dialog.Flags = kSaveDialogFlags;
    return GetSaveFileNameW(&dialog) != 0;
}

void RunExportSequence(HWND window) {
    ExportChoices choices = {};
    choices.csvAllowed = ShiftHeld() ? 1 : 0;
    std::memcpy(choices.columns, csvColumns, sizeof choices.columns);
    if (RunFormatDialog(window, choices) != 1 || !InvokerStillThere(window)) return;
    if (choices.exportFormat == IDC_FORMAT_CSV &&
        (RunCsvColumnsDialog(window, choices) != 1 || !InvokerStillThere(window)))
        return;
    if (!ChooseExportPath(window, choices) || !InvokerStillThere(window)) return;
    ExportNotes(choices);
}

static void ShowExportFailure() {
    MessageBox932(nullptr, " \"ファイル出力に失敗しました.", "タヴロ ｴﾗｰ", MB_ICONQUESTION | MB_OK);
}

// A write that fails (a full disk, a removed stick) ends the export and is said once, like a
// file that cannot be made: a cut file is never passed off as a whole one.
void ExportNotes(const ExportChoices &choices) {
    HANDLE file = CreateFileW(choices.exportPath, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        ShowExportFailure();
        return;
    }
    bool failed = false;
    const PieceWriter write = [file, &failed](const char *bytes, size_t size) {
        failed = failed || !WriteAllBytes(file, bytes, size);
        return !failed;
    };
    for (int i = 0; i < noteCount && !failed; ++i) {
        if (choices.exportFormat == IDC_FORMAT_CSV)
            WriteNoteAsCsv(NoteTable[i], choices.columns, write);
        else
            WriteNoteAsText(NoteTable[i], write);
    }
    if (!CloseHandle(file)) failed = true;
    if (failed) ShowExportFailure();
}
