#include "notes/note_title.h"

#include <gtest/gtest.h>

TEST(NoteTitle, ProgramNameThenTheStoredText) {
    EXPECT_EQ(NoteTitle("", 1024), "\x83\x5e\x83\x94\x83\x8d - "); // タヴロ -
    EXPECT_EQ(NoteTitle("$$\x83\x5e\x83\x94\x83\x8d$$DATE2$$", 1024),
              "\x83\x5e\x83\x94\x83\x8d - $$\x83\x5e\x83\x94\x83\x8d$$DATE2$$"); // $$タヴロ$$DATE2$$ / タヴロ
                                                                                 // - $$タヴロ$$DATE2$$
}

TEST(NoteTitle, LineBreaksAndTabsShowAsOneBlankEach) {
    EXPECT_EQ(NoteTitle("one\r\ntwo\r\n\r\nthree", 1024),
              "\x83\x5e\x83\x94\x83\x8d - one two  three"); // タヴロ - one two  three
    EXPECT_EQ(NoteTitle("a\rb\nc\r", 1024), "\x83\x5e\x83\x94\x83\x8d - a b c ");        // タヴロ - a b c
    EXPECT_EQ(NoteTitle("TODO\r\n\tone", 1024), "\x83\x5e\x83\x94\x83\x8d - TODO  one"); // タヴロ - TODO  one
    EXPECT_EQ(NoteTitle("\x95\x5C\r\n", 1024), "\x83\x5e\x83\x94\x83\x8d - \x95\x5C ")
        << "a trail byte 0x5C stays"; // タヴロ - \x95\x5C
}

TEST(NoteTitle, AFieldWithoutNulEndsAtItsSize) {
    const char field[4] = {'a', 'b', 'c', 'd'};
    EXPECT_EQ(NoteTitle(field, 3), "\x83\x5e\x83\x94\x83\x8d - abc"); // タヴロ - abc
    const char split[3] = {'a', '\r', '\n'};
    EXPECT_EQ(NoteTitle(split, 2), "\x83\x5e\x83\x94\x83\x8d - a "); // タヴロ - a
}
