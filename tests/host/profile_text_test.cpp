#include "settings/profile_text.h"

#include <gtest/gtest.h>
#include <string>

using namespace std::string_literals;

// Shift-JIS names of the settings file.
static const std::string kCreation = "\x8d\xec\x90\xac\x95\xfb\x96\x40";    // 作成方法
static const std::string kArrangement = "\x90\xae\x97\xf1\x95\xfb\x96\x40"; // 整列方法
static const std::string kOther = "\x82\xbb\x82\xcc\x91\xbc";               // その他
static const std::string kPosition = "\x8d\xec\x90\xac\x88\xca\x92\x75";    // 作成位置
static const std::string kBackColor = "\x94\x77\x8c\x69\x90\x46";           // 背景色
static const std::string kLog = "\x83\x8d\x83\x4f";                         // ログ
static const std::string kBackground = "\x94\x77\x8c\x69";                  // 背景
static const std::string kBitmap = kBackground + "BMP";

// Reads with a buffer of 128 bytes, as the program reads numbers.
static std::string Value(const std::string &file, const std::string &section, const std::string &key) {
    return ProfileValue(file, section.c_str(), key.c_str(), "missing", 128);
}

static std::string Set(std::string file, const std::string &section, const std::string &key,
                       const char *value) {
    SetProfileValue(file, section.c_str(), key.c_str(), value);
    return file;
}

TEST(ProfileText, LinesEndAtCrLfLfOrALoneCr) {
    const std::string file = "[s]\r\na=1\nb=2\rc=3\r\n\rd=4";
    EXPECT_EQ(Value(file, "s", "a"), "1");
    EXPECT_EQ(Value(file, "s", "b"), "2");
    EXPECT_EQ(Value(file, "s", "c"), "3");
    EXPECT_EQ(Value(file, "s", "d"), "4");
}

TEST(ProfileText, BlanksAroundNamesAndValuesAreDropped) {
    const std::string file = " \t[ " + kCreation + "\t] \r\n  " + kPosition + " \t= 5 x \t\r\n";
    EXPECT_EQ(Value(file, kCreation, kPosition), "5 x");
}

TEST(ProfileText, OnlyLinesWithEqualsInsideASectionAreKeys) {
    const std::string file = "a=before\r\n[s]\r\n;b=2 is a key named ;b\r\nc\r\n\r\n[t]\r\nd=4\r\n";
    EXPECT_EQ(Value(file, "s", "a"), "missing") << "lines before the first section belong to none";
    EXPECT_EQ(Value(file, "s", ";b"), "2 is a key named ;b");
    EXPECT_EQ(Value(file, "s", "c"), "missing") << "a line without '=' is no key";
    EXPECT_EQ(Value(file, "s", "d"), "missing") << "a key of the next section";
    EXPECT_EQ(Value(file, "t", "d"), "4");
}

TEST(ProfileText, SectionNameRunsToTheLastBracket) {
    // ゾ ends in 0x5D, the byte of ']'.
    const std::string zo = "\x83\x5d";
    const std::string file = "[" + zo + "]\r\nk=1\r\n[a]b] ;x\r\nk=2\r\n[c\r\nm=3\r\n";
    EXPECT_EQ(Value(file, zo, "k"), "1");
    EXPECT_EQ(Value(file, "a]b", "k"), "2");
    EXPECT_EQ(Value(file, "a]b", "m"), "3") << "'[' without ']' starts no section";
    EXPECT_EQ(Value(file, "a]b", "[c"), "missing");
}

TEST(ProfileText, APairOfQuotesAroundAValueIsDropped) {
    const std::string file = "[s]\r\na= \"x y\" \r\nb='z'\r\nc=\"w'\r\nd=\"\r\ne=\"\"\r\nf=\"in\"side\r\n";
    EXPECT_EQ(Value(file, "s", "a"), "x y");
    EXPECT_EQ(Value(file, "s", "b"), "z");
    EXPECT_EQ(Value(file, "s", "c"), "\"w'");
    EXPECT_EQ(Value(file, "s", "d"), "\"");
    EXPECT_EQ(Value(file, "s", "e"), "");
    EXPECT_EQ(Value(file, "s", "f"), "\"in\"side");
}

TEST(ProfileText, OnlySingleByteLettersAreMatchedWithoutCase) {
    const std::string bitmapLower = kBackground + "bMp";
    const std::string logLookalike = "\x83\x8d\x83\x6f"; // ロバ: ログ with its last byte in lower case
    const std::string file =
        "[" + kOther + "]\r\n" + logLookalike + "=1\r\n" + bitmapLower + "=c:\\a.bmp\r\n";
    EXPECT_EQ(Value(file, kOther, kBitmap), "c:\\a.bmp");
    EXPECT_EQ(Value(file, kOther, kLog), "missing") << "0x4F and 0x6F are trail bytes here, not 'O' and 'o'";
    EXPECT_EQ(Value("[Sec]\r\nKey=1\r\n", "sEC", "kEY"), "1");
}

TEST(ProfileText, FirstMatchingSectionAndKeyWin) {
    const std::string file = "[s]\r\nk=1\r\nK=2\r\n[S]\r\nk=3\r\nj=4\r\n";
    EXPECT_EQ(Value(file, "s", "k"), "1");
    EXPECT_EQ(Value(file, "s", "j"), "missing") << "a later section of the same name is not read";
}

TEST(ProfileText, ValuesAreCutToTheBufferBetweenCharacters) {
    const std::string file = "[s]\r\nk=ab" + kLog + "\r\nlone=ab\x83\r\n";
    EXPECT_EQ(ProfileValue(file, "s", "k", "", 7), "ab" + kLog);
    EXPECT_EQ(ProfileValue(file, "s", "k", "", 6), "ab\x83\x8d") << "never half a character";
    EXPECT_EQ(ProfileValue(file, "s", "k", "", 4), "ab");
    EXPECT_EQ(ProfileValue(file, "s", "lone", "", 128), "ab\x83") << "a lone lead byte is kept";
    EXPECT_EQ(ProfileValue(file, "s", "k", "", 0), "");
    EXPECT_EQ(ProfileValue(file, "s", "none", "default", 4), "def") << "the missing text is cut alike";
}

TEST(ProfileText, RewritingAKeyChangesOnlyItsLine) {
    const std::string head = "; hand-written\r\n[" + kCreation + "]\r\nx = 1\r\n";
    const std::string tail = "\r\n  [" + kOther + "]\r\n" + kBitmap + "= c:\\b.bmp \r\n";
    const std::string file = head + "  " + kBackColor + "  =  7 \r" + tail;
    EXPECT_EQ(Set(file, kCreation, kBackColor, "12"), head + kBackColor + "=12\r" + tail)
        << "the name as written, its lone CR kept";
    EXPECT_EQ(Set("[s]\r\nKey=1", "S", "KEY", "2"), "[s]\r\nKey=2");
}

TEST(ProfileText, NewKeyFollowsTheSectionsLastNonBlankLine) {
    const std::string file = "[s]\r\na=1\r\n;note\r\n\r\n \t\r\n[t]\r\nb=2\r\n";
    EXPECT_EQ(Set(file, "s", "c", "3"), "[s]\r\na=1\r\n;note\r\nc=3\r\n\r\n \t\r\n[t]\r\nb=2\r\n");
    EXPECT_EQ(Set("[s]\ra=1\r[t]\r", "t", "b", "2"), "[s]\ra=1\r[t]\rb=2\r\n");
    EXPECT_EQ(Set("[s]\r\na=1", "s", "b", "2"), "[s]\r\na=1\r\nb=2\r\n") << "the last line is ended first";
    EXPECT_EQ(Set("[s]", "s", "b", "2"), "[s]\r\nb=2\r\n");
}

TEST(ProfileText, NewSectionGoesAtTheEnd) {
    EXPECT_EQ(Set("", "s", "k", "1"), "[s]\r\nk=1\r\n");
    EXPECT_EQ(Set("[t]\nj=0\r", "s", "k", "1"), "[t]\nj=0\r[s]\r\nk=1\r\n");
    EXPECT_EQ(Set("[t]\r\nj=0", "s", "k", "1"), "[t]\r\nj=0\r\n[s]\r\nk=1\r\n");
    EXPECT_EQ(Set("x=\x83", "s", "k", "1"), "x=\x83\r\n[s]\r\nk=1\r\n") << "a lone lead byte at the end";
}

TEST(ProfileText, AFileWrittenFromScratchHoldsTheKeysInTheirOrder) {
    struct Key {
        const std::string &section;
        std::string key;
        const char *value;
    };
    const Key keys[] = {
        {kCreation, kPosition, "1"},
        {kCreation, "\x95\x5c\x8e\xa6\x83\x82\x81\x5b\x83\x68", "0"},                 // 表示モード
        {kCreation, "\x83\x5e\x83\x58\x83\x4e\x83\x6f\x81\x5b\x95\x5c\x8e\xa6", "0"}, // タスクバー表示
        {kCreation, kBackColor, "0"},
        {kCreation, "\x83\x74\x83\x48\x83\x93\x83\x67", "1"},                 // フォント
        {kCreation, "\x90\xdc\x82\xe8\x95\xd4\x82\xb5", "0"},                 // 折り返し
        {kCreation, "\x82\x50\x96\x87\x96\xda\x82\xf0\x8a\x4a\x82\xad", "0"}, // １枚目を開く
        {kCreation, "\x83\x81\x83\x82\x93\xfc\x97\xcd", "0"},                 // メモ入力
        {kArrangement, "\x88\xca\x92\x75", "1"},                              // 位置
        {kArrangement, "\x95\xfb\x8c\xfc", "1"},                              // 方向
        {kArrangement, "\x8a\xd4\x8a\x75", "3"},                              // 間隔
        {kArrangement, "\x82\xb7\x82\xae\x90\xae\x97\xf1", "0"},              // すぐ整列
        {kArrangement, "\x82\x50\x96\x87\x96\xda", "0"},                      // １枚目
        {kArrangement, "\x83\x5c\x81\x5b\x83\x67\x95\xfb\x96\x40", "0"},      // ソート方法
        {kArrangement, "\x83\x5c\x81\x5b\x83\x67\x8f\x87", "0"},              // ソート順
        {kOther, kLog, "0"},
        {kOther, "\x82\x68\x82\x6c\x82\x64", "0"}, // ＩＭＥ
    };
    std::string file, expected, section;
    for (const Key &k : keys) {
        SetProfileValue(file, k.section.c_str(), k.key.c_str(), k.value);
        if (k.section != section) expected += "[" + k.section + "]\r\n";
        section = k.section;
        expected += k.key + "=" + k.value + "\r\n";
    }
    ASSERT_EQ(file, expected);
    for (const Key &k : keys)
        SetProfileValue(file, k.section.c_str(), k.key.c_str(), k.value);
    EXPECT_EQ(file, expected) << "writing the same keys again changes nothing";
}

TEST(ProfileText, AnyBytesAreReadAndWrittenWithinTheFile) {
    std::string junk(4096, '\x83');
    junk[0] = '['; // no ']' follows: a key line, as it holds '='
    junk[4095] = '=';
    const std::string file = "=empty\r\n[s\r\n[s]\r\nv=a\0b\r\n=e\r\n"s + junk;
    EXPECT_EQ(Value(file, "s", "v"), "a\0b"s) << "a NUL is a byte like any other";
    EXPECT_EQ(Value(file, "s", ""), "e");
    EXPECT_EQ(Value(file, "s", "k"), "missing");
    const std::string written = Set(file, "s", "k", "9");
    EXPECT_EQ(written, file + "\r\nk=9\r\n") << "after the junk line, which is the section's last";
    EXPECT_EQ(Value(written, "s", "k"), "9");
}
