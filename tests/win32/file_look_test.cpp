#include "platform/file_look.h"
#include "tests/win32/harness.h"

#include <gtest/gtest.h>
#include <string>

// Gives the file at `to` the last write time of the file at `from`.
static void CopyWriteTime(const std::wstring &from, const std::wstring &to) {
    FILETIME written;
    HANDLE source = CreateFileW(from.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_TRUE(GetFileTime(source, nullptr, nullptr, &written));
    CloseHandle(source);
    HANDLE target = CreateFileW(to.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_TRUE(SetFileTime(target, nullptr, nullptr, &written));
    CloseHandle(target);
}

static bool Signalled(HANDLE watch, DWORD timeoutMs) {
    return WaitForSingleObject(watch, timeoutMs) == WAIT_OBJECT_0;
}

// Another copy saves as this program does: a scratch file beside the notes file, renamed over it.
// The scratch file carries the old file's time, as a save in the same tick of the file clock does.
TEST(FileLook, AnotherWritersReplaceIsSeenAndSignalled) {
    const std::wstring folder = MakeTempFolder(), path = folder + L"tavlo.DAT";
    EXPECT_FALSE(LookAtFile(path.c_str()).exists);
    WriteFileBytes(path, std::string(1188, 'a'));
    const FileLook before = LookAtFile(path.c_str());
    EXPECT_TRUE(before.exists);
    EXPECT_EQ(before.size, 1188u);
    EXPECT_EQ(LookAtFile(path.c_str()), before) << "an untouched file looks the same";

    HANDLE watch = WatchFolderOf(path.c_str());
    ASSERT_NE(watch, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(Signalled(watch, 200)) << "nothing changed yet";
    WriteFileBytes(folder + L"tavlo.DAT.new", std::string(1188, 'b'));
    CopyWriteTime(path, folder + L"tavlo.DAT.new");
    ASSERT_TRUE(MoveFileExW((folder + L"tavlo.DAT.new").c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING));
    EXPECT_TRUE(Signalled(watch, 5000));
    const FileLook after = LookAtFile(path.c_str());
    EXPECT_EQ(after.size, before.size);
    EXPECT_EQ(after.written, before.written);
    EXPECT_NE(after, before) << "same size, another file";

    // Asked again, the watch signals the next write in the folder, and only then.
    do
        ASSERT_TRUE(WatchNextChange(watch));
    while (Signalled(watch, 200));
    WriteFileBytes(folder + L"tavlo.INI", "[x]\r\n");
    EXPECT_TRUE(Signalled(watch, 5000));
    StopWatching(watch);

    DeleteFileW(path.c_str());
    EXPECT_NE(LookAtFile(path.c_str()), after);
    EXPECT_FALSE(LookAtFile(path.c_str()).exists);
    RemoveFolder(folder);
}
