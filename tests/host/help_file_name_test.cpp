#include "platform/help_file_name.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

static std::string Derive(const char *path, size_t size = 1024) {
    char out[1024];
    DeriveHelpFileName(path, out, size);
    return out;
}

TEST(HelpFileName, TheLastDotAndAllAfterItBecomeHlp) {
    EXPECT_EQ(Derive("C:\\app\\tavlo.exe"), "C:\\app\\tavlo.HLP");
    EXPECT_EQ(Derive("C:\\a.b\\tavlo.x.exe"), "C:\\a.b\\tavlo.x.HLP");
    EXPECT_EQ(Derive("C:\\my.dir\\tavlo"), "C:\\my.HLP") << "a dot in a folder name counts";
    EXPECT_EQ(Derive("C:\\app\\t.e"), "C:\\app\\t.HLP") << "a shorter extension grows";
}

TEST(HelpFileName, APathWithoutADotIsTakenUnchanged) {
    EXPECT_EQ(Derive("C:\\app\\tavlo"), "C:\\app\\tavlo");
}

TEST(HelpFileName, NeverWritesPastTheBuffer) {
    char out[20];
    std::memset(out, 'z', sizeof out);
    DeriveHelpFileName("C:\\abcdefghij.e", out, 16);
    EXPECT_EQ(std::string(out), "C:\\abcdefghij.H");
    EXPECT_EQ(out[16], 'z');
    EXPECT_EQ(Derive("C:\\abcdefghijklmnop.e", 8), "C:\\abcd");
    EXPECT_EQ(Derive("C:\\app\\tavlo", 6), "C:\\ap");
}
