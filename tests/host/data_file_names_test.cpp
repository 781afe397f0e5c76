#include "platform/data_file_names.h"

#include <gtest/gtest.h>
#include <string>

static std::string Derive(const char *path, const char *ext, size_t size = 260) {
    char out[1024];
    DeriveDataFileName(path, ext, out, size);
    return out;
}

TEST(DataFileNames, ReplaceTheLastDot) {
    EXPECT_EQ(Derive("C:\\app\\tavlo.exe", ".INI"), "C:\\app\\tavlo.INI");
    EXPECT_EQ(Derive("C:\\a.b\\tavlo.x.exe", ".DAT"), "C:\\a.b\\tavlo.x.DAT");
}

TEST(DataFileNames, DotOnlyInAFolderCutsThere) {
    EXPECT_EQ(Derive("C:\\my.dir\\tavlo", ".INI"), "C:\\my.INI");
}

TEST(DataFileNames, NoDotAppendsSoTheProgramIsNeverNamed) {
    EXPECT_EQ(Derive("C:\\app\\tavlo", ".LOG"), "C:\\app\\tavlo.LOG");
}

TEST(DataFileNames, NeverWritesPastTheBuffer) {
    std::string longPath(300, 'a');
    const std::string name = Derive(longPath.c_str(), ".OLD", 260);
    EXPECT_EQ(name.size(), 259u);
    EXPECT_EQ(name.substr(255), ".OLD");
}
