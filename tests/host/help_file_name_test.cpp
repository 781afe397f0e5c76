#include "platform/help_file_name.h"

#include <cwchar>
#include <gtest/gtest.h>
#include <string>

static std::wstring Derive(const wchar_t *path, size_t size = 1024) {
    wchar_t out[1024];
    DeriveHelpFileName(path, out, size);
    return out;
}

TEST(HelpFileName, TheLastDotAndAllAfterItBecomeHlp) {
    EXPECT_EQ(Derive(L"C:\\app\\tavlo.exe"), L"C:\\app\\tavlo.HLP");
    EXPECT_EQ(Derive(L"C:\\a.b\\tavlo.x.exe"), L"C:\\a.b\\tavlo.x.HLP");
    EXPECT_EQ(Derive(L"C:\\my.dir\\tavlo"), L"C:\\my.HLP") << "a dot in a folder name counts";
    EXPECT_EQ(Derive(L"C:\\app\\t.e"), L"C:\\app\\t.HLP") << "a shorter extension grows";
}

TEST(HelpFileName, APathWithoutADotIsTakenUnchanged) {
    EXPECT_EQ(Derive(L"C:\\app\\tavlo"), L"C:\\app\\tavlo");
}

TEST(HelpFileName, NeverWritesPastTheBuffer) {
    wchar_t out[20];
    std::wmemset(out, L'z', 20);
    DeriveHelpFileName(L"C:\\abcdefghij.e", out, 16);
    EXPECT_EQ(std::wstring(out), L"C:\\abcdefghij.H");
    EXPECT_EQ(out[16], L'z');
    EXPECT_EQ(Derive(L"C:\\abcdefghijklmnop.e", 8), L"C:\\abcd");
    EXPECT_EQ(Derive(L"C:\\app\\tavlo", 6), L"C:\\ap");
}

// WinHelp only where both its file and its viewer are there; else the HTML Help file if there is one.
TEST(HelpFileName, TheViewerIsWinHelpOnlyWithItsFileAndViewerElseHtmlHelp) {
    struct Case {
        bool winHelpFile, winHelpViewer, htmlHelpFile;
        HelpViewer expected;
    };
    const Case cases[] = {
        {true, true, true, HelpViewer::WinHelp},    {true, true, false, HelpViewer::WinHelp},
        {true, false, true, HelpViewer::HtmlHelp},  {false, true, true, HelpViewer::HtmlHelp},
        {false, false, true, HelpViewer::HtmlHelp}, {true, false, false, HelpViewer::None},
        {false, true, false, HelpViewer::None},     {false, false, false, HelpViewer::None},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ChooseHelpViewer(c.winHelpFile, c.winHelpViewer, c.htmlHelpFile), c.expected)
            << c.winHelpFile << c.winHelpViewer << c.htmlHelpFile;
}
