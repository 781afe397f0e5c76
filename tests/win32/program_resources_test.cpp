#include "tests/win32/harness.h"

#include "app/tray_icon.h"
#include "platform/program.h"

#include <set>

// The resources of the program file as shipped, read as data.
class ProgramResourcesTest : public ProgramTest {};

static BOOL CALLBACK CollectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR found) {
    reinterpret_cast<std::set<WORD> *>(found)->insert(language);
    return TRUE;
}

static std::set<WORD> LanguagesOf(HMODULE program, LPCWSTR type, LPCWSTR name) {
    std::set<WORD> found;
    EnumResourceLanguagesW(program, type, name, CollectLanguage, reinterpret_cast<LONG_PTR>(&found));
    return found;
}

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width, height, colors, reserved;
    WORD planes, bitCount;
    DWORD size;
    WORD id;
};
#pragma pack(pop)

TEST_F(ProgramResourcesTest, EveryResourceIsJapaneseAndTheIconHasEverySize) {
    ProgramRun copy;
    const HMODULE program =
        LoadLibraryExW((copy.Folder() + L"tavlo.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    const std::set<WORD> japanese = {MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT)};
    EXPECT_EQ(LanguagesOf(program, RT_GROUP_ICON, L"TAVLO"), japanese);
    EXPECT_EQ(LanguagesOf(program, RT_DIALOG, MAKEINTRESOURCEW(2000)), japanese);
    EXPECT_EQ(LanguagesOf(program, RT_ACCELERATOR, MAKEINTRESOURCEW(6000)), japanese);
    EXPECT_EQ(LanguagesOf(program, RT_VERSION, MAKEINTRESOURCEW(1)), japanese);
    EXPECT_EQ(LanguagesOf(program, RT_MANIFEST, MAKEINTRESOURCEW(1)), japanese);

    const HRSRC group = FindResourceW(program, L"TAVLO", RT_GROUP_ICON);
    ASSERT_NE(group, nullptr);
    const BYTE *directory = static_cast<const BYTE *>(LockResource(LoadResource(program, group)));
    const WORD count = *reinterpret_cast<const WORD *>(directory + 4);
    const IconGroupEntry *entries = reinterpret_cast<const IconGroupEntry *>(directory + 6);
    std::set<int> sizes;
    for (WORD i = 0; i < count; ++i) {
        const int side = entries[i].width ? entries[i].width : 256;
        sizes.insert(side);
        if (side != 256) continue;
        const HRSRC image = FindResourceW(program, MAKEINTRESOURCEW(entries[i].id), RT_ICON);
        ASSERT_NE(image, nullptr);
        const char *bytes = static_cast<const char *>(LockResource(LoadResource(program, image)));
        EXPECT_EQ(std::string(bytes, 8), std::string("\x89PNG\r\n\x1a\n", 8))
            << "the large image is compressed";
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32, 48, 256}));
    FreeLibrary(program);
}

TEST_F(ProgramResourcesTest, TheTrayShowsTheSmallImage) {
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(TrayIconImage(), &info));
    BITMAP image = {};
    GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof image, &image);
    EXPECT_EQ(image.bmWidth, GetSystemMetrics(SM_CXSMICON)) << "not the large image scaled down by the shell";
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

// The platform reads the manifest that the program carries: a manifest it cannot read would stop
// the program from starting at all on Windows. It declares the program unaware of the screen's
// DPI, so that Windows scales the pixel geometry of the notes, and asks for GDI's own scaling,
// which draws their text sharply.
TEST_F(ProgramResourcesTest, TheManifestIsReadAndDeclaresNoDpiAwarenessWithGdiScaling) {
    using QuerySetting =
        BOOL(WINAPI *)(DWORD, HANDLE, const wchar_t *, const wchar_t *, wchar_t *, SIZE_T, SIZE_T *);
    // Through a plain function pointer, which may be cast to any other function type.
    const auto anyFunction = reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "QueryActCtxSettingsW"));
    ASSERT_NE(anyFunction, nullptr);
    const auto query = reinterpret_cast<QuerySetting>(anyFunction);
    wchar_t aware[32] = L"", awareness[32] = L"";
    SIZE_T length = 0;
    EXPECT_TRUE(query(0, nullptr, L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware",
                      aware, 32, &length));
    EXPECT_TRUE(query(0, nullptr, L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness",
                      awareness, 32, &length));
    EXPECT_EQ(std::wstring(aware), L"false");
    EXPECT_EQ(std::wstring(awareness), L"unaware");
    wchar_t gdiScaling[32] = L"";
    EXPECT_TRUE(query(0, nullptr, L"http://schemas.microsoft.com/SMI/2017/WindowsSettings", L"gdiScaling",
                      gdiScaling, 32, &length));
    EXPECT_EQ(std::wstring(gdiScaling), L"true");
}
