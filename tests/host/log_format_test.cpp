#include "textio/log_format.h"
#include "textio/text_lines.h"

#include <gtest/gtest.h>
#include <string>

static std::string Header(const LocalTime &time) {
    char out[64];
    const int length = FormatLogHeader(out, sizeof out, time);
    return std::string(out, static_cast<size_t>(length));
}

TEST(LogHeader, FourDigitYearGivesThirtyThreeBytes) {
    const std::string header = Header({1997, 1, 5, 14, 3, 27});
    EXPECT_EQ(header, "\f----- 1997/01/05 14:03.27 -----\n");
    EXPECT_EQ(header.size(), 33u);
    EXPECT_EQ(Header({2026, 12, 31, 0, 0, 0}), "\f----- 2026/12/31 00:00.00 -----\n");
}

TEST(LogHeader, NeverWritesPastItsBuffer) {
    char out[10];
    EXPECT_EQ(FormatLogHeader(out, sizeof out, {1997, 1, 5, 14, 3, 27}), 9);
    EXPECT_EQ(std::string(out), "\f----- 19");
}

static std::vector<std::string> Lines(const std::string &text) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < text.size();) {
        const size_t end = LineEnd(text.data(), text.size(), start);
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

TEST(TextLines, EachLineKeepsItsCrLf) {
    EXPECT_EQ(Lines("AB\r\nCD"), (std::vector<std::string>{"AB\r\n", "CD"}));
    EXPECT_EQ(Lines("A\r\n"), (std::vector<std::string>{"A\r\n"}));
    EXPECT_EQ(Lines("\r\n\r\n"), (std::vector<std::string>{"\r\n", "\r\n"}));
    EXPECT_EQ(Lines("a\rb\nc\n\rd"), (std::vector<std::string>{"a\rb\nc\n\rd"}))
        << "lone CR and LF stay inside";
    EXPECT_EQ(Lines("\x95\x5c\r\n\x95\x5c"), (std::vector<std::string>{"\x95\x5c\r\n", "\x95\x5c"}));
}

TEST(TextLines, LengthStopsAtTheNulOrTheCut) {
    EXPECT_EQ(NoteTextLength("abc"), 3u);
    EXPECT_EQ(NoteTextLength(""), 0u);
    std::string unterminated(1100, 'x');
    EXPECT_EQ(NoteTextLength(unterminated.data()), 1023u);
}
