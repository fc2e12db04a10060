#include <gtest/gtest.h>

#include "common/utf8.h"
#include "host/tests/test_folder.h"
#include "host/text/cp932.h"

namespace altostrat {
namespace {

using testing::ExactBuffer;

std::string Decode(std::string_view bytes) {
    const ExactBuffer buffer(bytes);
    return Cp932ToUtf8(buffer.view());
}

TEST(Utf8, RoundTripsThroughUtf16IncludingCharactersBeyondTheBasicPlane) {
    const std::string text = u8"C:\\音楽\\ﾘﾋﾟｰﾄ \U0001F3B5 é.mp3";
    const std::u16string units = Utf8ToUtf16(text);
    EXPECT_EQ(units, u"C:\\音楽\\ﾘﾋﾟｰﾄ \U0001F3B5 é.mp3");
    EXPECT_EQ(Utf16ToUtf8(units), text);
    EXPECT_TRUE(IsValidUtf8(text));
}

TEST(Utf8, MalformedBytesBecomeOneReplacementEachAndNothingIsReadPastTheEnd) {
    const struct {
        std::string_view bytes;
        std::u16string expected;
    } cases[] = {
        {"\x80", u"\uFFFD"},                                // stray continuation byte
        {"\xC0\xAF", u"\uFFFD\uFFFD"},                      // overlong '/'
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},            // encoded surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
        {"a\xE3\x81", u"a\uFFFD\uFFFD"},                    // cut off at the end of the text
        {"\xF0\x9F\x8E", u"\uFFFD\uFFFD\uFFFD"},
        {"\xFF", u"\uFFFD"},
    };
    for (const auto& c : cases) {
        const ExactBuffer buffer(c.bytes);
        EXPECT_EQ(Utf8ToUtf16(buffer.view()), c.expected);
        EXPECT_FALSE(IsValidUtf8(buffer.view()));
    }
    EXPECT_TRUE(IsValidUtf8(u8"\uFFFD"));  // a real replacement character is well-formed
}

TEST(Utf8, UnpairedSurrogatesFromUtf16BecomeReplacements) {
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xD800') + u"a"), u8"\uFFFDa");
    EXPECT_EQ(Utf16ToUtf8(u"a" + std::u16string(1, u'\xDC00')), u8"a\uFFFD");
    EXPECT_EQ(Utf16ToUtf8(std::u16string{u'\xDC00', u'\xD800'}), u8"\uFFFD\uFFFD");
}

TEST(Cp932, SettingsKeysHaveExactlyTheirShiftJisBytes) {
    EXPECT_EQ(Utf8ToCp932(u8"BGM区分"), "\x42\x47\x4D\x8B\xE6\x95\xAA");
    EXPECT_EQ(Utf8ToCp932(u8"BGMﾘﾋﾟｰﾄ"), "\x42\x47\x4D\xD8\xCB\xDF\xB0\xC4");
    EXPECT_EQ(Utf8ToCp932(u8"BGMﾌｧｲﾙ"), "\x42\x47\x4D\xCC\xA7\xB2\xD9");
    EXPECT_EQ(Decode("\x42\x47\x4D\xD8\xCB\xDF\xB0\xC4"), u8"BGMﾘﾋﾟｰﾄ");
    // Half-width katakana never turn into their full-width forms.
    EXPECT_EQ(Utf8ToCp932(u8"リピート"), "\x83\x8A\x83\x73\x81\x5B\x83\x67");
}

TEST(Cp932, PathsWithBackslashLikeSecondBytesSurviveBothWays) {
    // The second byte of ソ and 表 is 0x5C, the backslash.
    const std::string path = u8"C:\\表\\ソフト\\曲.mp3";
    const std::string bytes = Utf8ToCp932(path);
    EXPECT_EQ(bytes, "C:\\\x95\x5C\\\x83\x5C\x83\x74\x83\x67\\\x8B\xC8.mp3");
    EXPECT_EQ(Decode(bytes), path);
}

TEST(Cp932, BytesThatAreNoCharacterDecodeAsWindowsDoes) {
    EXPECT_EQ(Decode("\x81"), u8"\u30FB");              // lead byte at the very end
    EXPECT_EQ(Decode("a\x81\r\nb"), u8"a\u30FB\r\nb");  // a line end is never a second byte
    EXPECT_EQ(Decode("\x81\x20"), u8"\u30FB ");
    EXPECT_EQ(Decode("\x85\x40"), u8"\u30FB");  // a valid pair without a character
    EXPECT_EQ(Decode("\x80\xA0\xFD\xFE\xFF"), u8"\u0080\uF8F0\uF8F1\uF8F2\uF8F3");
    EXPECT_EQ(Decode("\xF0\x40"), u8"\uE000");  // user-defined area
}

TEST(Cp932, CharactersOutsideTheCodePageBecomeQuestionMarksOrRefuseExactConversion) {
    EXPECT_EQ(Utf8ToCp932(u8"é¥\U0001F3B5"), "???");  // no look-alike substitutes
    EXPECT_FALSE(Utf8ToCp932Exactly(u8"C:\\caf\u00E9.mp3"));
    EXPECT_FALSE(Utf8ToCp932Exactly("C:\\\xFF.mp3"));  // malformed UTF-8
    EXPECT_EQ(Utf8ToCp932Exactly(u8"C:\\曲.mp3"), std::optional<std::string>("C:\\\x8B\xC8.mp3"));
}

TEST(Cp932, RepeatedCharactersEncodeToTheCodeWindowsWrites) {
    EXPECT_EQ(Utf8ToCp932(u8"\u2170"), "\xFA\x40");  // small roman one: IBM row, not 0xEEEF
    EXPECT_EQ(Utf8ToCp932(u8"\u2252"), "\x81\xE0");  // JIS row 2, not the NEC row 13 copy
    EXPECT_EQ(Utf8ToCp932(u8"\u2160"), "\x87\x54");  // NEC row 13, not the IBM copy 0xFA4A
    EXPECT_EQ(Utf8ToCp932(u8"\uFFE2"), "\x81\xCA");
}

TEST(Cp932, EveryCharacterOfTheCodePageComesBackFromItsOwnBytes) {
    int characters = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!IsCp932LeadByte(static_cast<unsigned char>(lead))) {
            continue;
        }
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const char32_t c =
                Cp932Character(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
            if (c == 0) {
                continue;
            }
            ++characters;
            std::string bytes;
            ASSERT_TRUE(Cp932Bytes(c, bytes)) << std::hex << lead << trail;
            ASSERT_EQ(bytes.size(), 2u);
            EXPECT_EQ(Cp932Character(static_cast<unsigned char>(bytes[0]),
                                     static_cast<unsigned char>(bytes[1])),
                      c);
        }
    }
    EXPECT_EQ(characters, 9604);  // JIS X 0208, NEC and IBM extensions, user-defined area
}

}  // namespace
}  // namespace altostrat
