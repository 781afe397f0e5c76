#include "notes/line_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Lines = std::vector<std::string>;

// Every byte is 10 pixels wide, so a double-byte character is 20.
struct FakeFont {
    size_t calls = 0;
    size_t longest = 0;
    MeasurePrefixes Measure() {
        return [this](const std::string &line, const std::vector<size_t> &ends) {
            ++calls;
            longest = std::max(longest, line.size());
            std::vector<int> widths;
            for (size_t end : ends)
                widths.push_back(static_cast<int>(end) * 10);
            return widths;
        };
    }
};

static Lines Wrapped(const std::string &text, int limit, FakeFont *font = nullptr) {
    FakeFont local;
    FakeFont &f = font ? *font : local;
    return LayOutLines(text.c_str(), text.size() + 1, true, limit, f.Measure(), IsCp932LeadByte);
}

static Lines Unwrapped(const std::string &text, FakeFont *font = nullptr) {
    FakeFont local;
    FakeFont &f = font ? *font : local;
    return LayOutLines(text.c_str(), text.size() + 1, false, 45, f.Measure(), IsCp932LeadByte);
}

// あ い う え in Shift-JIS.
static const std::string A = "\x82\xA0", I = "\x82\xA2", U = "\x82\xA4", E = "\x82\xA6";

TEST(LineLayout, Cp932LeadBytes) {
    EXPECT_FALSE(IsCp932LeadByte(0x80));
    EXPECT_TRUE(IsCp932LeadByte(0x81));
    EXPECT_TRUE(IsCp932LeadByte(0x9F));
    EXPECT_FALSE(IsCp932LeadByte(0xA0));
    EXPECT_FALSE(IsCp932LeadByte(0xDF)) << "half-width katakana are single bytes";
    EXPECT_TRUE(IsCp932LeadByte(0xE0));
    EXPECT_TRUE(IsCp932LeadByte(0xFC));
    EXPECT_FALSE(IsCp932LeadByte(0xFD));
}

TEST(LineLayout, WrapsBetweenWholeDoubleByteCharacters) {
    EXPECT_EQ(Wrapped(A + I + U + E, 45), (Lines{A + I, U + E}));
    EXPECT_EQ(Wrapped(A + I + U + E, 60), (Lines{A + I + U, E})) << "60 is not more than the limit";
    EXPECT_EQ(Wrapped("a" + A + I, 45), (Lines{"a" + A, I}));
    EXPECT_EQ(Wrapped("abc" + A, 45), (Lines{"abc", A})) << "the pair moves whole, not its lead byte alone";
    EXPECT_EQ(Wrapped("abcdef", 45), (Lines{"abcd", "ef"}));
}

// Long lines of wide notes, beyond what one measurement takes in.
TEST(LineLayout, LongLinesBreakWhereTheyStopFitting) {
    const std::string x150(150, 'x');
    EXPECT_EQ(Wrapped(x150, 1000), (Lines{std::string(100, 'x'), std::string(50, 'x')}));
    EXPECT_EQ(Wrapped(x150 + "\r\n" + A, 1500), (Lines{x150, A}));
}

TEST(LineLayout, TheFirstCharacterOfALineStaysEvenWhenTooWide) {
    EXPECT_EQ(Wrapped(A + I, 5), (Lines{A, I}));
    EXPECT_EQ(Wrapped("ab", 5), (Lines{"a", "b"}));
    EXPECT_EQ(Wrapped(A + "b", -3), (Lines{A, "b"})) << "a note narrower than its margin";
}

TEST(LineLayout, ALoneLeadByteAtTheEndEndsTheText) {
    const char text[] = "a\x82\0XYZ"; // bytes after the NUL must not be read
    FakeFont font;
    EXPECT_EQ(LayOutLines(text, sizeof text, true, 100, font.Measure(), IsCp932LeadByte), (Lines{"a\x82"}));
    EXPECT_EQ(font.longest, 2u);
    EXPECT_EQ(Wrapped("\x82", 100), (Lines{"\x82"}));
}

TEST(LineLayout, NothingPastTheFieldIsRead) {
    const char field[6] = {'a', 'b', '\r', '\n', 'c', 'd'}; // a full field with no NUL
    EXPECT_EQ(LayOutLines(field, 5, false, 0, FakeFont().Measure(), IsCp932LeadByte), (Lines{"ab", "c"}));
    const char pair[3] = {'a', '\x82', '\xA0'};
    EXPECT_EQ(LayOutLines(pair, 2, true, 100, FakeFont().Measure(), IsCp932LeadByte), (Lines{"a\x82"}))
        << "the trail byte lies past the field";
}

TEST(LineLayout, LineBreaks) {
    EXPECT_EQ(Unwrapped("ab\r\n"), (Lines{"ab"})) << "a final CR LF draws no extra line";
    EXPECT_EQ(Unwrapped("a\r\n\r\nb"), (Lines{"a", "", "b"})) << "an empty middle line still takes a line";
    EXPECT_EQ(Unwrapped("\r\n"), (Lines{""}));
    EXPECT_EQ(Unwrapped("a\rb\nc"), (Lines{"a\rb\nc"})) << "a lone CR or LF is an ordinary byte";
    EXPECT_EQ(Unwrapped(""), (Lines{}));
}

TEST(LineLayout, ATabIsOneBlank) {
    EXPECT_EQ(Unwrapped("a\tb"), (Lines{"a b"}));
    EXPECT_EQ(Wrapped("abc\t\td", 45), (Lines{"abc ", " d"})) << "a tab wraps as the blank it became";
}

TEST(LineLayout, WithoutWrappingLinesAreNeverMeasuredOrBroken) {
    FakeFont font;
    const std::string longLine(300, 'x');
    EXPECT_EQ(Unwrapped(longLine + "\r\n" + A + I, &font), (Lines{longLine, A + I}));
    EXPECT_EQ(font.calls, 0u);
}
