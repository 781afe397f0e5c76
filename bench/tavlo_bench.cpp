// Measures tavlo against the floor of each figure, every figure in one run on one display, and
// prints one table; with a file name as argument also writes the table there. Figures are
// printed, never judged pass or fail: machines are noisy, so each stands beside its floor.
#include "bench/bench.h"

#include "app/startup.h"
#include "platform/program.h"
#include "platform/program_files.h"
#include "platform/wide_text.h"
#include "settings/defaults.h"
#include "store/note_table.h"
#include "tests/win32/temp_folder.h"

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

double Now() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    if (values.empty()) return NAN;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Progress(const char *text) {
    std::fprintf(stderr, "%s\n", text);
    std::fflush(stderr);
}

std::string FullNoteText() {
    const std::string sentence = "タヴロは机の上の小さな付箋です。書いたことはすぐに保存され、"
                                 "次に開いたときもそのまま残っています。";
    std::string text;
    while (text.size() < static_cast<size_t>(kTextSize - 2))
        text += sentence;
    text.resize(kTextSize - 2); // every character is two bytes, so this cuts between characters
    return text + "!";
}

NoteRecord BenchRecord(const RECT &place, const char *text) {
    NoteRecord r;
    std::memset(&r, 0, sizeof r);
    ApplyTemplateToRecord(r);
    r.x = place.left;
    r.y = place.top;
    r.width = place.right - place.left;
    r.height = place.bottom - place.top;
    lstrcpynA(r.text, text, kTextSize);
    return r;
}

std::string ProgramFolder() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string full(path);
    return full.substr(0, full.find_last_of('\\') + 1);
}

void StartProgramState(const std::string &folder) {
    programInstance = GetModuleHandleA(nullptr);
    AllocateNoteTables();
    ResetDefaults();
    programIcon = LoadIconW(programInstance, L"TAVLO");
    RegisterNoteClass();
    CreateMainWindow();
    DeriveProgramFileNames(Wide(folder + "tavlo.exe").c_str());
    recordsToSave = -1; // as after start-up
}

// ---- The table ----

static std::string Amount(double value, const char *unit) {
    if (std::isnan(value)) return "failed";
    char text[32];
    std::snprintf(text, sizeof text, value < 10 ? "%.3f %s" : "%.1f %s", value, unit);
    return text;
}

static const char *Verdict(const Figure &f) {
    if (f.kind == GoalKind::None) return "-";
    if (std::isnan(f.tavlo) || std::isnan(f.floor)) return "?";
    const double judged = f.kind == GoalKind::Ratio ? f.tavlo / f.floor : f.tavlo - f.floor;
    return judged <= f.limit ? "yes" : "NO";
}

static std::string Row(const Figure &f) {
    char ratio[16] = "-";
    if (!std::isnan(f.tavlo) && !std::isnan(f.floor) && f.floor > 0)
        std::snprintf(ratio, sizeof ratio, "%.2f", f.tavlo / f.floor);
    char line[200];
    std::snprintf(line, sizeof line, "%-28s %13s %13s %6s  %-26s %s\n", f.name,
                  Amount(f.tavlo, f.unit).c_str(), Amount(f.floor, f.unit).c_str(), ratio, f.goal,
                  Verdict(f));
    return line;
}

static std::string Table(const std::vector<Figure> &figures) {
    char heading[200];
    std::snprintf(heading, sizeof heading, "%-28s %13s %13s %6s  %-26s %s\n", "figure", "tavlo", "floor",
                  "ratio", "goal", "met");
#ifdef _WIN64
    std::string table = "tavlo, 64-bit build: medians, each beside its floor measured in the same run\n";
#else
    std::string table = "tavlo, 32-bit build: medians, each beside its floor measured in the same run\n";
#endif
    table += heading;
    table += std::string(std::strlen(heading) - 1, '-') + "\n";
    for (const Figure &f : figures)
        table += Row(f);
    return table;
}

static void WriteTable(const char *path, const std::string &table) {
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "could not write %s (error %lu)\n", path, GetLastError());
        return;
    }
    DWORD written = 0;
    WriteFile(file, table.data(), static_cast<DWORD>(table.size()), &written, nullptr);
    CloseHandle(file);
}

int main(int argc, char **argv) {
    const std::wstring wideFolder = MakeTempFolder();
    const std::string folder = Narrow(wideFolder); // plain ASCII
    StartProgramState(folder);
    std::vector<Figure> figures = {
        {"start-up with 99 notes", "s", "ratio <= 1.2", GoalKind::Ratio, 1.2, NAN, NAN},
        {"clock cost, 3 clocks", "s/min", "ratio <= 1.2", GoalKind::Ratio, 1.2, NAN, NAN},
        {"save with 99 notes", "ms", "ratio <= 1.2", GoalKind::Ratio, 1.2, NAN, NAN},
        {"paint 1023 bytes wrapped", "ms", "ratio <= 1.1", GoalKind::Ratio, 1.1, NAN, NAN},
        {"memory with 99 notes", "MiB", "difference <= 3 MiB", GoalKind::Difference, 3, NAN, NAN},
        {"history, 100 of a 1 GB log", "ms", "unchanged", GoalKind::None, 0, NAN, NAN},
    };
    MeasureStartUp(folder, figures[0], figures[4]);
    MeasureClock(folder, figures[1]);
    MeasureSave(figures[2]);
    MeasurePaint(figures[3]);
    MeasureHistory(folder, figures[5]);
    RemoveFolder(wideFolder);

    const std::string table = Table(figures);
    _setmode(_fileno(stdout), _O_BINARY); // the same line ends on the screen as in the file
    std::fwrite(table.data(), 1, table.size(), stdout);
    if (argc > 1) WriteTable(argv[1], table);
    return 0;
}
