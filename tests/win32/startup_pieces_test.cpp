#include "tests/win32/harness.h"

#include "app/about_box.h"
#include "app/background_bitmap.h"
#include "app/commands.h"
#include "app/program.h"
#include "store/note_table.h"

#include <cstring>

class StartupPiecesTest : public ProgramTest {};

TEST_F(StartupPiecesTest, AboutFromTheTrayIsCentredAndOnlyOkEndsIt) {
    lastCommandWindow = mainWindow;
    std::string text;
    RECT place = {};
    bool openAfterEscape = false;
    ExpectDialogs({{"ﾊﾞｰｼﾞｮﾝ情報", [&](HWND about) {
                        text = ControlText(about, 2010);
                        place = WindowRectOf(about);
                        SendMessageA(about, WM_COMMAND, IDCANCEL, 0);
                        openAfterEscape = IsWindowVisible(about) != FALSE;
                        PressButton(about, IDOK);
                    }}});
    EXPECT_EQ(ShowAboutBox(mainWindow), 1);
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_EQ(text.rfind("タヴロ    [Win32版]\nVersion 3.2\n\n", 0), 0u) << text;
    EXPECT_GT(text.size(), std::strlen("タヴロ    [Win32版]\nVersion 3.2\n\n"))
        << "a line naming the maker follows";
    EXPECT_TRUE(openAfterEscape);
    EXPECT_EQ(place.left, (place.left - place.right) / 2 + 1024 / 2);
    EXPECT_EQ(place.top, (place.top - place.bottom) / 2 + 768 / 2);
}

TEST_F(StartupPiecesTest, AboutFromANoteStaysBesideIt) {
    const HWND note = OpenNote(MakeRecord(400, 300, 220, 66, "owner"));
    lastCommandWindow = note;
    RECT place = {};
    ExpectDialogs({{"ﾊﾞｰｼﾞｮﾝ情報", [&](HWND about) {
                        place = WindowRectOf(about);
                        SendMessageA(about, WM_CLOSE, 0, 0);
                    }}});
    EXPECT_EQ(ShowAboutBox(note), 0) << "closing the window ends it with 0";
    EXPECT_TRUE(DialogScriptDone());
    EXPECT_GT(place.left, 400) << "at its template position relative to the note";
    EXPECT_GT(place.top, 300);
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
