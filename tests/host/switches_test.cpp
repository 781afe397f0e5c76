#include "app/switches.h"

#include <gtest/gtest.h>
#include <string>

static bool Has(std::string tail, const char *sw) {
    return HasSwitch(&tail[0], sw);
}

TEST(Switches, AnyCaseAndPosition) {
    EXPECT_TRUE(Has("/timer /w", "/TIMER"));
    EXPECT_TRUE(Has("/timer /w", "/W"));
    EXPECT_TRUE(Has("x/s", "/S")) << "a switch glued to a character before it still counts";
}

TEST(Switches, MustBeFollowedByBlankOrEnd) {
    EXPECT_FALSE(Has("/S/I", "/S")) << "/S followed by a slash";
    EXPECT_TRUE(Has("/S/I", "/I"));
    EXPECT_FALSE(Has("/SI", "/S"));
    EXPECT_FALSE(Has("/SI", "/I"));
    EXPECT_FALSE(Has("/S\t", "/S")) << "a tab does not end a switch";
    EXPECT_FALSE(Has("", "/S"));
}

TEST(Switches, TailIsUpperCasedInPlaceAsciiOnly) {
    std::string tail = "/timer \x82\xa0 abc";
    HasSwitch(&tail[0], "/W");
    EXPECT_EQ(tail, "/TIMER \x82\xa0 ABC");
}

TEST(Switches, LongTailIsCutAtTheCopy) {
    std::string tail(600, 'x');
    tail += " /S";
    EXPECT_FALSE(Has(tail, "/S")) << "only the first 519 bytes are matched";
    std::string shortTail(510, 'x');
    EXPECT_TRUE(Has(shortTail + " /S", "/S"));
}
