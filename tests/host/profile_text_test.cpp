#include "settings/profile_text.h"
#include "tests/sjis_words.h"

#include <gtest/gtest.h>
#include <string>

using namespace std::string_literals;

static const std::string kCreation = SJ_CREATION, kOther = SJ_OTHERS, kBackColor = SJ_BACK_COLOR,
                         kLog = SJ_LOG, kBitmap = SJ_BACKGROUND "BMP";

// Reads with a buffer of 128 bytes, as the program reads numbers.
static std::string Value(const std::string &file, const std::string &section, const std::string &key) {
    return ProfileValue(file, section.c_str(), key.c_str(), "missing", 128);
}

static std::string Set(std::string file, const std::string &section, const std::string &key,
                       const char *value) {
    SetProfileValue(file, section.c_str(), key.c_str(), value);
    return file;
}

TEST(ProfileText, ReadsAsTheProfileFunctionsRead) {
    const std::string zo = "\x83\x5d"; // ゾ ends in 0x5D, the byte of ']'
    const struct {
        std::string file, section, key, value;
    } cases[] = {
        {"[s]\r\na=1\nb=2\rc=3\r\n\rd=4", "s", "d", "4"}, // CR LF, LF and a lone CR end lines
        {" \t[ s\t] \r\n  k \t= 5 x \t\r\n", "s", "k", "5 x"},
        {"a=before\r\n[s]\r\n", "s", "a", "missing"}, // lines before the first section belong to none
        {"[s]\r\n;b=2\r\n", "s", ";b", "2"},          // a comment holding '=' is a key
        {"[s]\r\nc\r\n", "s", "c", "missing"},        // a line without '=' is no key
        {"[s]\r\n[t]\r\nd=4\r\n", "s", "d", "missing"},
        {"[" + zo + "]\r\nk=1\r\n", zo, "k", "1"},
        {"[a]b] ;x\r\n[c\r\nm=3\r\n", "a]b", "m", "3"}, // to the last ']'; '[' without ']' is no section
        {"[s]\r\na= \"x y\" \r\n", "s", "a", "x y"},
        {"[s]\r\nb='z'\r\n", "s", "b", "z"},
        {"[s]\r\nc=\"w'\r\n", "s", "c", "\"w'"},
        {"[s]\r\nf=\"in\"side\r\n", "s", "f", "\"in\"side"},
        {"[s]\r\nk=1\r\nK=2\r\n[S]\r\nj=4\r\n", "s", "k", "1"}, // the first matching key
        {"[s]\r\n[S]\r\nj=4\r\n", "s", "j", "missing"},         // later sections are not read
        {"[Sec]\r\nKey=1\r\n", "sEC", "kEY", "1"},
        {"[s]\r\nv=a\0b\r\n"s, "s", "v", "a\0b"s}, // a NUL is a byte like any other
    };
    for (const auto &c : cases)
        EXPECT_EQ(Value(c.file, c.section, c.key), c.value) << c.file;
}

TEST(ProfileText, OnlySingleByteLettersAreMatchedWithoutCase) {
    const std::string logLookalike = "\x83\x8d\x83\x6f"; // ロバ: ログ with its last byte in lower case
    const std::string file =
        "[" + kOther + "]\r\n" + logLookalike + "=1\r\n" + SJ_BACKGROUND "bMp=c:\\a.bmp\r\n";
    EXPECT_EQ(Value(file, kOther, kBitmap), "c:\\a.bmp");
    EXPECT_EQ(Value(file, kOther, kLog), "missing") << "0x4F and 0x6F are trail bytes here, not 'O' and 'o'";
}

TEST(ProfileText, ValuesAreCutToTheBufferBetweenCharacters) {
    const std::string file = "[s]\r\nk=ab" + kLog + "\r\nlone=ab\x83\r\n";
    EXPECT_EQ(ProfileValue(file, "s", "k", "", 7), "ab" + kLog);
    EXPECT_EQ(ProfileValue(file, "s", "k", "", 6), "ab\x83\x8d") << "never half a character";
    EXPECT_EQ(ProfileValue(file, "s", "lone", "", 128), "ab\x83") << "a lone lead byte is kept";
    EXPECT_EQ(ProfileValue(file, "s", "none", "default", 4), "def") << "the missing text is cut alike";
}

// Every byte but those of the key's own line stays where it was.
TEST(ProfileText, WritesChangeOnlyTheKeysLine) {
    const std::string head = "; hand-written\r\n[" + kCreation + "]\r\nx = 1\r\n";
    const std::string tail = "\r\n  [" + kOther + "]\r\n" + kBitmap + "= c:\\b.bmp \r\n";
    const struct {
        std::string file, section, key, written;
    } cases[] = {
        {head + "  " + kBackColor + "  =  7 \r" + tail, kCreation, kBackColor,
         head + kBackColor + "=12\r" + tail},
        {"[s]\r\nKey=1", "S", "KEY", "[s]\r\nKey=12"}, // the name as written
        {"[s]\r\na=1\r\n;n\r\n\r\n \t\r\n[t]\r\n", "s", "c",
         "[s]\r\na=1\r\n;n\r\nc=12\r\n\r\n \t\r\n[t]\r\n"},
        {"[s]\ra=1\r[t]\r", "t", "b", "[s]\ra=1\r[t]\rb=12\r\n"},
        {"[s]\r\na=1", "s", "b", "[s]\r\na=1\r\nb=12\r\n"}, // the last line is ended first
        {"", "s", "k", "[s]\r\nk=12\r\n"},
        {"[t]\r\nj=0", "s", "k", "[t]\r\nj=0\r\n[s]\r\nk=12\r\n"},
        {"x=\x83", "s", "k", "x=\x83\r\n[s]\r\nk=12\r\n"}, // a lone lead byte at the end
    };
    for (const auto &c : cases)
        EXPECT_EQ(Set(c.file, c.section, c.key, "12"), c.written) << c.file;
}

TEST(ProfileText, AnyBytesAreReadAndWrittenWithinTheFile) {
    std::string junk(4096, '\x83');
    junk[0] = '['; // no ']' follows: a key line, as it holds '='
    junk[4095] = '=';
    const std::string file = "=empty\r\n[s\r\n[s]\r\n=e\r\n" + junk;
    EXPECT_EQ(Value(file, "s", ""), "e");
    const std::string written = Set(file, "s", "k", "9");
    EXPECT_EQ(written, file + "\r\nk=9\r\n") << "after the junk line, which is the section's last";
    EXPECT_EQ(Value(written, "s", "k"), "9");
}
