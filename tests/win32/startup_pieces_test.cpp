#include "tests/win32/harness.h"
#include "tests/sjis_words.h"

#include "app/about_box.h"
#include "app/commands.h"
#include "app/single_instance.h"
#include "app/splash.h"
#include "app/tray_icon.h"
#include "notes/background_bitmap.h"
#include "platform/program.h"
#include "res/resource.h"
#include "store/note_table.h"

#include <shellapi.h>

#include <cstring>

class StartupPiecesTest : public ProgramTest {};

// タヴロ    [Win32版]\nVersion 3.2\n\n: the first lines of the About text.
static const char kAboutHead[] = SJ_TAVLO "    [Win32\x94\xc5]\nVersion 3.2\n\n";

TEST_F(StartupPiecesTest, AboutFromTheTrayIsCentredAndOnlyOkEndsIt) {
    lastCommandWindow = mainWindow;
    std::string text;
    RECT place = {};
    bool openAfterEscape = false;
    ExpectDialogs({{SJ_ABOUT, [&](HWND about) {
                        text = ControlText(about, 2010);
                        place = WindowRectOf(about);
                        SendMessageA(about, WM_COMMAND, IDCANCEL, 0);
                        openAfterEscape = IsWindowVisible(about) != FALSE;
                        PressButton(about, IDOK);
                    }}});
    EXPECT_EQ(ShowAboutBox(mainWindow), 1);
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_EQ(text.rfind(kAboutHead, 0), 0u) << text;
    EXPECT_GT(text.size(), std::strlen(kAboutHead)) << "a line naming the maker follows";
    EXPECT_TRUE(openAfterEscape);
    EXPECT_EQ(place.left, (place.left - place.right) / 2 + 1024 / 2);
    EXPECT_EQ(place.top, (place.top - place.bottom) / 2 + 768 / 2);
}

TEST_F(StartupPiecesTest, TheMakerLineFitsTheAboutTextInItsFont) {
    std::string maker;
    SIZE extent = {};
    RECT client = {};
    ExpectDialogs({{SJ_ABOUT, [&](HWND about) {
                        const HWND control = GetDlgItem(about, IDC_ABOUT_TEXT);
                        const std::string text = ControlText(about, IDC_ABOUT_TEXT);
                        maker = text.substr(text.rfind('\n') + 1);
                        HDC dc = GetDC(control);
                        const HGDIOBJ font =
                            reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0));
                        const HGDIOBJ previous = SelectObject(dc, font);
                        GetTextExtentPoint32A(dc, maker.c_str(), static_cast<int>(maker.size()), &extent);
                        SelectObject(dc, previous);
                        ReleaseDC(control, dc);
                        GetClientRect(control, &client);
                        PressButton(about, IDOK);
                    }}});
    ShowAboutBox(mainWindow);
    ASSERT_TRUE(DialogScriptDone());
    EXPECT_FALSE(maker.empty());
    EXPECT_LE(extent.cx, client.right) << "\"" << maker << "\" is " << extent.cx << " pixels wide";
}

static BOOL CALLBACK FindVisibleDialog(HWND window, LPARAM found) {
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (!IsWindowVisible(window) || lstrcmpA(className, "#32770") != 0) return TRUE;
    *reinterpret_cast<HWND *>(found) = window;
    return FALSE;
}

struct SplashWatch {
    DWORD uiThread;
    bool painted = false;
};

// Runs on another thread while the splash waits: nothing of it may still wait for a paint.
static DWORD WINAPI WatchSplash(void *param) {
    auto *watch = static_cast<SplashWatch *>(param);
    for (const DWORD start = GetTickCount(); !watch->painted && GetTickCount() - start < 5000; Sleep(20)) {
        HWND splash = nullptr;
        EnumThreadWindows(watch->uiThread, FindVisibleDialog, reinterpret_cast<LPARAM>(&splash));
        watch->painted = splash && !GetUpdateRect(splash, nullptr, FALSE) &&
                         !GetUpdateRect(GetDlgItem(splash, IDC_SPLASH_TEXT), nullptr, FALSE);
    }
    return 0;
}

// The splash's wait handles no messages, so the splash must be painted before it.
TEST_F(StartupPiecesTest, TheSplashIsPaintedBeforeItsWait) {
    SplashWatch watch{GetCurrentThreadId()};
    const HANDLE watcher = CreateThread(nullptr, 0, WatchSplash, &watch, 0, nullptr);
    ShowSplash();
    WaitForSingleObject(watcher, 10000);
    CloseHandle(watcher);
    EXPECT_TRUE(watch.painted) << "the splash still waited for its paint";
}

TEST_F(StartupPiecesTest, AboutFromANoteStaysBesideIt) {
    const HWND note = OpenNote(MakeRecord(400, 300, 220, 66, "owner"));
    lastCommandWindow = note;
    RECT place = {};
    ExpectDialogs({{SJ_ABOUT, [&](HWND about) {
                        place = WindowRectOf(about);
                        SendMessageA(about, WM_CLOSE, 0, 0);
                    }}});
    EXPECT_EQ(ShowAboutBox(note), 0) << "closing the window ends it with 0";
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_GT(place.left, 400) << "at its template position relative to the note";
    EXPECT_GT(place.top, 300);
}

static std::wstring InstanceNameOf(const std::wstring &path) {
    return SingleInstanceName(path.c_str());
}

// Copies started from one file refuse each other however its path was typed; the upper-casing
// leaves letters of other scripts alone (ヂ and ア stay two names).
TEST_F(StartupPiecesTest, OneExecutableHasOneInstanceNameHoweverItsPathIsSpelled) {
    const std::wstring exe = wideFolder + L"tavlo.exe";
    WriteFileBytes(exe, "MZ");
    std::wstring upper = exe;
    CharUpperBuffW(&upper[0], static_cast<DWORD>(upper.size()));
    wchar_t shortPath[MAX_PATH] = L"";
    GetShortPathNameW(exe.c_str(), shortPath, MAX_PATH);
    const std::wstring name = InstanceNameOf(exe);
    EXPECT_EQ(name.find(L'\\'), std::wstring::npos);
    EXPECT_EQ(InstanceNameOf(upper), name);
    EXPECT_EQ(InstanceNameOf(shortPath), name);
    EXPECT_EQ(InstanceNameOf(wideFolder + L".\\TAVLO.exe"), name);

    const std::wstring a = wideFolder + L"\x30A2.exe", di = wideFolder + L"\x30C2.exe"; // ア, ヂ
    WriteFileBytes(a, "MZ");
    WriteFileBytes(di, "MZ");
    EXPECT_NE(InstanceNameOf(a), InstanceNameOf(di));
    EXPECT_NE(InstanceNameOf(a), name);
}

TEST_F(StartupPiecesTest, BackgroundBitmapIsReadWholeOrNotAtAll) {
    const std::string bitmap = folder + "back.bmp";
    WriteFileBytes(bitmap, std::string("BM") + std::string(100, 'x'));
    LoadBackgroundBitmap(bitmap.c_str());
    EXPECT_EQ(backgroundBitmapLoaded, 1);
    EXPECT_EQ(backgroundBitmapSize, 102u);
    EXPECT_EQ(backgroundBitmap[0], 'B');
    ReleaseBackgroundBitmap();

    for (const std::string &path : {folder + "missing.bmp", folder, std::string()}) {
        LoadBackgroundBitmap(path.c_str());
        EXPECT_EQ(backgroundBitmapLoaded, 0) << path;
    }
    WriteFileBytes(bitmap, "");
    LoadBackgroundBitmap(bitmap.c_str());
    EXPECT_EQ(backgroundBitmapLoaded, 0) << "an empty file";
}

// At logon the shell may be too busy to take the icon; it is asked again until it does. Here the
// shell refuses the add because an icon of that id is already there; once that one is gone the
// program's own icon appears without anything else being done.
TEST_F(StartupPiecesTest, ARefusedTrayIconIsAskedForAgain) {
    NOTIFYICONDATAA record = {};
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = mainWindow;
    record.uID = kTrayIconId;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &record));
    AddTrayIcon();
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &record));
    EXPECT_TRUE(WaitFor([] { return TrayHoldsIcon(mainWindow); }, 8000))
        << "the refused icon was never asked for again";
    RemoveTrayIcon();
    EXPECT_FALSE(TrayHoldsIcon(mainWindow));
}
