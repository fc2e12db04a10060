#include <gtest/gtest.h>

#include "host/settings/ini_text.h"
#include "host/tests/test_folder.h"

namespace altostrat {
namespace {

using testing::ExactBuffer;

constexpr IniCharset kSjis = IniCharset::kCp932;
constexpr IniCharset kUtf8 = IniCharset::kUtf8;

// The three keys in Shift-JIS.
const std::string kKind = "BGM\x8B\xE6\x95\xAA";
const std::string kRepeat = "BGM\xD8\xCB\xDF\xB0\xC4";
const std::string kFile = "BGM\xCC\xA7\xB2\xD9";

std::optional<std::string> Find(std::string_view text, std::string_view section,
                                std::string_view key, IniCharset charset = kSjis) {
    const ExactBuffer buffer(text);
    return FindIniValue(buffer.view(), section, key, charset);
}

TEST(IniRead, FindsTheKeyInItsSectionWithAndWithoutTheWrittenBlank) {
    const std::string text =
        "[Section]\r\n" + kKind + "= 2\r\n" + kRepeat + "=5\r\n" + kFile + "=C:\\Music\\a.mp3\r\n";
    EXPECT_EQ(Find(text, "Section", kKind), "2");
    EXPECT_EQ(Find(text, "Section", kRepeat), "5");
    EXPECT_EQ(Find(text, "Section", kFile), "C:\\Music\\a.mp3");
    EXPECT_EQ(Find(text, "Other", kKind), std::nullopt);
    EXPECT_EQ(Find(text, "Section", "BGM"), std::nullopt);
    EXPECT_EQ(Find("", "Section", kKind), std::nullopt);
}

TEST(IniRead, NamesIgnoreAsciiCaseAndSurroundingBlanksButNotTheirOtherBytes) {
    const std::string text = "  [ sEcTiOn ]  \n\t bgm\x8B\xE6\x95\xAA \t=\t 1 \t\r\n";
    EXPECT_EQ(Find(text, "Section", kKind), "1");
    // A two-byte character whose second byte is an ASCII letter must not be case-folded:
    // 0x82 0x60 (Ａ) and 0x82 0x81 (ａ) are different characters, and so are 0x83 0x41 (ア)
    // and 0x83 0x61 (ヂ).
    EXPECT_EQ(Find("[S]\nK\x83\x41=x\n", "S", "K\x83\x61"), std::nullopt);
    EXPECT_EQ(Find("[S]\nK\x83\x41=x\n", "S", "k\x83\x41"), "x");
    // Half-width katakana are not ASCII letters either.
    EXPECT_EQ(Find("[S]\n" + kRepeat + "=1\n", "S", "BGM\xD8\xCB\xDF\xB0\xC5"), std::nullopt);
}

TEST(IniRead, SecondBytesThatLookLikeSyntaxAreNotSyntax) {
    // 0x83 0x5D is ル, 0x83 0x5B is ラ: ']' and '[' as second bytes.
    const std::string section = "\x83\x41\x83\x8B\x83\x67\x83\x5D";
    EXPECT_EQ(Find("[" + section + "]\nk=v\n", section, "k"), "v");
    EXPECT_EQ(Find("[\x83\x5B]\nk=v\n", "\x83\x5B", "k"), "v");
    // In UTF-8 text no byte of a multi-byte character is ASCII.
    EXPECT_EQ(Find(u8"[ル]\nキー=値\n", u8"ル", u8"キー", kUtf8), u8"値");
}

TEST(IniRead, DropsOnePairOfEnclosingQuotes) {
    const std::string text =
        "[S]\na=\"C:\\a b.mp3\"\nb=\"\"x\"\"\nc=\"x\nd=x\"\ne='x'\nf=\" x \"\ng=\"\"\nh=\"\n"
        "i='x\"\nj=\"x'\n";
    EXPECT_EQ(Find(text, "S", "a"), "C:\\a b.mp3");
    EXPECT_EQ(Find(text, "S", "b"), "\"x\"");
    EXPECT_EQ(Find(text, "S", "c"), "\"x");
    EXPECT_EQ(Find(text, "S", "d"), "x\"");
    EXPECT_EQ(Find(text, "S", "e"), "x");
    EXPECT_EQ(Find(text, "S", "f"), " x ");
    EXPECT_EQ(Find(text, "S", "g"), "");
    EXPECT_EQ(Find(text, "S", "h"), "\"");
    EXPECT_EQ(Find(text, "S", "i"), "'x\"");
    EXPECT_EQ(Find(text, "S", "j"), "\"x'");
}

TEST(IniRead, FirstSectionAndFirstKeyWinCommentsAndStrayLinesDoNot) {
    const std::string text =
        "k=outside\n"
        "[S]\n"
        ";k=comment\n"
        "  ; k=indented comment\n"
        "k\n"
        "[unclosed\n"
        "k=first\n"
        "K=second\n"
        "[T]\n"
        "x=1\n"
        "[s]\n"
        "k=later section\n"
        "y=2\n";
    EXPECT_EQ(Find(text, "S", "k"), "first");
    EXPECT_EQ(Find(text, "S", ";k"), std::nullopt);
    EXPECT_EQ(Find(text, "S", "y"), std::nullopt);  // only the first [S] counts
    EXPECT_EQ(Find(text, "T", "x"), "1");
}

TEST(IniRead, EmptyValuesLineEndsAndNulBytes) {
    EXPECT_EQ(Find("[S]\r\nk=\r\n", "S", "k"), "");
    EXPECT_EQ(Find("[S]\r\nk=   \r\n", "S", "k"), "");
    EXPECT_EQ(Find("[S]\rk=1\r", "S", "k"), std::nullopt);  // CR alone does not end a line
    EXPECT_EQ(Find("[S]\nk=1", "S", "k"), "1");             // no line end at all
    EXPECT_EQ(Find(std::string("[S]\nk=ab\0cd\n", 12), "S", "k"), "ab");
    EXPECT_EQ(Find("[S]\nk=a=b\n", "S", "k"), "a=b");
    EXPECT_EQ(Find("[S]\n=v\n", "S", ""), "v");
    EXPECT_EQ(Find("[S]\nk=\x81", "S", "k"), "\x81");  // a lone lead byte at the very end
}

TEST(IniWrite, NewFileAndNewSectionGetCrLfLinesInWriteOrder) {
    std::string text = SetIniValue("", "Section", kKind, " 1", kSjis);
    text = SetIniValue(text, "Section", kRepeat, " 5", kSjis);
    text = SetIniValue(text, "Section", kFile, "", kSjis);
    EXPECT_EQ(text, "[Section]\r\n" + kKind + "= 1\r\n" + kRepeat + "= 5\r\n" + kFile + "=\r\n");

    EXPECT_EQ(SetIniValue("[Other]\r\na=1", "Section", "k", "v", kSjis),
              "[Other]\r\na=1\r\n[Section]\r\nk=v\r\n");
    EXPECT_EQ(SetIniValue("[Other]\na=1\n", "Section", "k", "v", kSjis),
              "[Other]\na=1\n[Section]\r\nk=v\r\n");
}

TEST(IniWrite, ReplacesOnlyTheMatchingLineAndKeepsEveryOtherByte) {
    const std::string text =
        "; settings\n"
        "[Other]\r\n"
        "k=other section\r\n"
        "[ section ]\n"
        "  K = old value  \r\n"
        "k=second copy\n"
        "x = untouched \n"
        "[Third]\n";
    EXPECT_EQ(SetIniValue(text, "Section", "k", " 2", kSjis),
              "; settings\n"
              "[Other]\r\n"
              "k=other section\r\n"
              "[ section ]\n"
              "k= 2\r\n"
              "k=second copy\n"
              "x = untouched \n"
              "[Third]\n");
    // The last line without a line end keeps having none.
    EXPECT_EQ(SetIniValue("[S]\nk=1", "S", "k", "2", kSjis), "[S]\nk=2");
}

TEST(IniWrite, AddsAMissingKeyAfterTheLastNonBlankLineOfItsSection) {
    EXPECT_EQ(SetIniValue("[S]\r\na=1\r\n;note\r\n\r\n\r\n[T]\r\n", "S", "k", "v", kSjis),
              "[S]\r\na=1\r\n;note\r\nk=v\r\n\r\n\r\n[T]\r\n");
    EXPECT_EQ(SetIniValue("[S]\r\n\r\n[T]\r\n", "S", "k", "v", kSjis), "[S]\r\nk=v\r\n\r\n[T]\r\n");
    EXPECT_EQ(SetIniValue("[S]", "S", "k", "v", kSjis), "[S]\r\nk=v\r\n");
    EXPECT_EQ(SetIniValue("[S]\na=\x81", "S", "k", "v", kSjis), "[S]\na=\x81\r\nk=v\r\n");
}

TEST(IniWrite, WhatIsWrittenReadsBackAndLeavesTheOtherKeys) {
    std::string text = "[S]\nb=2\n[T]\nb=3\n";
    text = SetIniValue(text, "S", kFile, "C:\\\x95\x5C\\\x83\x5C.mp3", kSjis);
    text = SetIniValue(text, "s", "B", "20", kSjis);
    EXPECT_EQ(Find(text, "S", kFile), "C:\\\x95\x5C\\\x83\x5C.mp3");
    EXPECT_EQ(Find(text, "S", "b"), "20");
    EXPECT_EQ(Find(text, "T", "b"), "3");
}

TEST(IniWrite, RefusesNamesAndValuesThatWouldNotReadBack) {
    EXPECT_TRUE(IsWritableSectionName("Section", kSjis));
    EXPECT_TRUE(IsWritableSectionName("\x83\x5D", kSjis));  // ル: its 0x5D is no bracket
    const std::string_view badSections[] = {
        "", " S", "S ", "a]b", "a\nb", "a\rb", std::string_view("a\0b", 3)};
    for (std::string_view name : badSections) {
        EXPECT_FALSE(IsWritableSectionName(name, kSjis)) << name;
    }
    EXPECT_TRUE(IsWritableKeyName(kKind, kSjis));
    for (std::string_view name : {"", " k", "k\t", "a=b", ";k", "[k", "a\nb"}) {
        EXPECT_FALSE(IsWritableKeyName(name, kSjis)) << name;
    }
    EXPECT_TRUE(IsWritableValue(""));
    EXPECT_TRUE(IsWritableValue(" 1"));
    EXPECT_FALSE(IsWritableValue("a\r\n[Other]"));
    EXPECT_FALSE(IsWritableValue(std::string_view("a\0", 2)));
}

}  // namespace
}  // namespace altostrat
