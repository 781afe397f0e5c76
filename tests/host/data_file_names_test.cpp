#include "platform/data_file_names.h"

#include <gtest/gtest.h>
#include <string>

static std::wstring Derive(const wchar_t *path, const wchar_t *ext, size_t size = 260) {
    wchar_t out[1024];
    DeriveDataFileName(path, ext, out, size);
    return out;
}

TEST(DataFileNames, ReplaceTheLastDot) {
    EXPECT_EQ(Derive(L"C:\\app\\tavlo.exe", L".INI"), L"C:\\app\\tavlo.INI");
    EXPECT_EQ(Derive(L"C:\\a.b\\tavlo.x.exe", L".DAT"), L"C:\\a.b\\tavlo.x.DAT");
}

TEST(DataFileNames, DotOnlyInAFolderCutsThere) {
    EXPECT_EQ(Derive(L"C:\\my.dir\\tavlo", L".INI"), L"C:\\my.INI");
}

TEST(DataFileNames, NoDotAppendsSoTheProgramIsNeverNamed) {
    EXPECT_EQ(Derive(L"C:\\app\\tavlo", L".LOG"), L"C:\\app\\tavlo.LOG");
}

TEST(DataFileNames, NeverWritesPastTheBuffer) {
    std::wstring longPath(300, L'a');
    const std::wstring name = Derive(longPath.c_str(), L".OLD", 260);
    EXPECT_EQ(name.size(), 259u);
    EXPECT_EQ(name.substr(255), L".OLD");
}
