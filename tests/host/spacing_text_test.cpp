#include "settings/spacing_text.h"

#include <gtest/gtest.h>

TEST(SpacingText, NumbersAreClampedToTheRange) {
    EXPECT_EQ(SpacingFromText("12"), 12);
    EXPECT_EQ(SpacingFromText("63"), 63);
    EXPECT_EQ(SpacingFromText("100"), 63);
    EXPECT_EQ(SpacingFromText("-5"), 0);
    EXPECT_EQ(SpacingFromText("+7"), 7);
    EXPECT_EQ(SpacingFromText(" 9 "), 9);
    EXPECT_EQ(SpacingFromText("99999999999999999999"), 63) << "too long for an int, still the upper end";
}

TEST(SpacingText, TextThatIsNotANumberReadsAsZero) {
    EXPECT_EQ(SpacingFromText(""), 0);
    EXPECT_EQ(SpacingFromText("abc"), 0);
    EXPECT_EQ(SpacingFromText("12abc"), 0);
    EXPECT_EQ(SpacingFromText("-"), 0);
    EXPECT_EQ(SpacingFromText("\x82\x50\x82\x51"), 0) << "full-width digits";
}
