#include "notes/note_title.h"
#include "tests/sjis_words.h"

#include <gtest/gtest.h>

TEST(NoteTitle, ProgramNameThenTheStoredText) {
    EXPECT_EQ(NoteTitle("", 1024), SJ_TAVLO " - ");
    EXPECT_EQ(NoteTitle("$$" SJ_TAVLO "$$DATE2$$", 1024), SJ_TAVLO " - $$" SJ_TAVLO "$$DATE2$$");
}

TEST(NoteTitle, LineBreaksAndTabsShowAsOneBlankEach) {
    EXPECT_EQ(NoteTitle("one\r\ntwo\r\n\r\nthree", 1024), SJ_TAVLO " - one two  three");
    EXPECT_EQ(NoteTitle("a\rb\nc\r", 1024), SJ_TAVLO " - a b c ");
    EXPECT_EQ(NoteTitle("TODO\r\n\tone", 1024), SJ_TAVLO " - TODO  one");
    EXPECT_EQ(NoteTitle("\x95\x5C\r\n", 1024), SJ_TAVLO " - \x95\x5C ")
        << "a trail byte 0x5C stays"; // タヴロ - \x95\x5C
}

TEST(NoteTitle, AFieldWithoutNulEndsAtItsSize) {
    const char field[4] = {'a', 'b', 'c', 'd'};
    EXPECT_EQ(NoteTitle(field, 3), SJ_TAVLO " - abc");
    const char split[3] = {'a', '\r', '\n'};
    EXPECT_EQ(NoteTitle(split, 2), SJ_TAVLO " - a ");
}
