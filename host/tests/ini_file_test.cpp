#include <gtest/gtest.h>

#include "host/settings/ini_file.h"
#include "host/tests/test_folder.h"

namespace altostrat {
namespace {

using testing::TestFolder;

const std::string kKind = u8"BGM区分";
const std::string kFileKey = u8"BGMﾌｧｲﾙ";
const std::string kKindSjis = "BGM\x8B\xE6\x95\xAA";
const std::string kFileSjis = "BGM\xCC\xA7\xB2\xD9";

std::string Utf16Le(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

std::string Utf16Be(std::u16string_view text) {
    std::string bytes = "\xFE\xFF";
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit >> 8);
        bytes += static_cast<char>(unit & 0xFF);
    }
    return bytes;
}

TEST(IniFile, ShiftJisValuesArriveAsUtf8AndGoBackAsShiftJis) {
    TestFolder folder;
    const std::string ini = folder.File("a.ini");
    folder.Write("a.ini", "[Section]\r\n" + kFileSjis + "=C:\\\x89\xB9\x8A\x79\\\x83\x5C.mp3\r\n");
    EXPECT_EQ(ReadIni("Section", kFileKey, ini), u8"C:\\音楽\\ソ.mp3");

    ASSERT_TRUE(WriteIni("Section", kFileKey, u8"D:\\曲\\表.wav", ini));
    EXPECT_EQ(folder.Read("a.ini"),
              "[Section]\r\n" + kFileSjis + "=D:\\\x8B\xC8\\\x95\x5C.wav\r\n");
    EXPECT_EQ(ReadIni("Section", kFileKey, ini), u8"D:\\曲\\表.wav");
}

TEST(IniFile, MissingFileReadsEmptyAndIsCreatedByTheFirstWrite) {
    TestFolder folder;
    const std::string ini = folder.File(u8"アルトストラト.ini");
    EXPECT_EQ(ReadIni("Section", kKind, ini), "");
    ASSERT_TRUE(WriteIni("Section", kKind, " 2", ini));
    EXPECT_EQ(folder.Read(u8"アルトストラト.ini"), "[Section]\r\n" + kKindSjis + "= 2\r\n");
    EXPECT_EQ(ReadIni("Section", kKind, ini), "2");
}

TEST(IniFile, LongValuesAreCutTo255BytesWithoutSplittingACharacter) {
    TestFolder folder;
    const std::string ascii(300, 'a');
    folder.Write("a.ini", "[S]\nk=" + ascii + "\n");
    EXPECT_EQ(ReadIni("S", "k", folder.File("a.ini")), std::string(255, 'a'));

    // 254 ASCII bytes then a two-byte character: the character would end at byte 256.
    folder.Write("b.ini", "[S]\nk=" + std::string(254, 'b') + "\x8B\xC8" + "tail\n");
    EXPECT_EQ(ReadIni("S", "k", folder.File("b.ini")), std::string(254, 'b'));
    folder.Write("c.ini", "[S]\nk=" + std::string(253, 'c') + "\x8B\xC8" + "tail\n");
    EXPECT_EQ(ReadIni("S", "k", folder.File("c.ini")), std::string(253, 'c') + u8"曲");

    // In a Unicode file the cut counts characters.
    std::u16string units = u"[S]\r\nk=";
    units += std::u16string(300, u'曲');
    folder.Write("d.ini", Utf16Le(units));
    std::string expected;
    for (int i = 0; i < 255; ++i) {
        expected += u8"曲";
    }
    EXPECT_EQ(ReadIni("S", "k", folder.File("d.ini")), expected);
    // A character of two units that would end at the 256th is left out whole.
    folder.Write("e.ini", Utf16Le(u"[S]\r\nk=" + std::u16string(254, u'a') + u"\U0001F5FBz"));
    EXPECT_EQ(ReadIni("S", "k", folder.File("e.ini")), std::string(254, 'a'));
}

TEST(IniFile, UnicodeFilesWithAByteOrderMarkAreReadAndStayInTheirForm) {
    TestFolder folder;
    const std::string utf8 =
        std::string("\xEF\xBB\xBF") + u8"[Section]\r\nBGM区分=1\r\nBGMﾌｧｲﾙ=C:\\é.mp3\r\n";
    folder.Write("utf8.ini", utf8);
    EXPECT_EQ(ReadIni("Section", kKind, folder.File("utf8.ini")), "1");
    EXPECT_EQ(ReadIni("Section", kFileKey, folder.File("utf8.ini")), u8"C:\\é.mp3");
    ASSERT_TRUE(WriteIni("Section", kKind, " 2", folder.File("utf8.ini")));
    EXPECT_EQ(folder.Read("utf8.ini"),
              std::string("\xEF\xBB\xBF") + u8"[Section]\r\nBGM区分= 2\r\nBGMﾌｧｲﾙ=C:\\é.mp3\r\n");

    folder.Write("le.ini", Utf16Le(u"[Section]\r\nBGM区分=1\r\n"));
    EXPECT_EQ(ReadIni("Section", kKind, folder.File("le.ini")), "1");
    ASSERT_TRUE(WriteIni("Section", kFileKey, u8"C:\\é.mp3", folder.File("le.ini")));
    EXPECT_EQ(folder.Read("le.ini"), Utf16Le(u"[Section]\r\nBGM区分=1\r\nBGMﾌｧｲﾙ=C:\\é.mp3\r\n"));

    folder.Write("be.ini", Utf16Be(u"[Section]\r\nBGM区分=2\r\n"));
    EXPECT_EQ(ReadIni("Section", kKind, folder.File("be.ini")), "2");
    ASSERT_TRUE(WriteIni("Section", kKind, " 0", folder.File("be.ini")));
    EXPECT_EQ(folder.Read("be.ini"), Utf16Be(u"[Section]\r\nBGM区分= 0\r\n"));

    // Without a mark, UTF-8 is taken for Shift-JIS: the keys do not match, nothing is found.
    folder.Write("plain.ini", u8"[Section]\r\nBGM区分=1\r\n");
    EXPECT_EQ(ReadIni("Section", kKind, folder.File("plain.ini")), "");
}

TEST(IniFile, AValueCodePage932LacksTurnsTheWholeFileUtf16ForGood) {
    TestFolder folder;
    const std::string ini = folder.File("a.ini");
    folder.Write("a.ini", "; \x83\x5C\r\n[Section]\r\n" + kKindSjis + "= 1\r\n");  // ; ソ
    ASSERT_TRUE(WriteIni("Section", kFileKey, u8"C:\\Users\\Jürgen\\Musik\\a.mp3", ini));
    EXPECT_EQ(
        folder.Read("a.ini"),
        Utf16Le(u"; ソ\r\n[Section]\r\nBGM区分= 1\r\nBGMﾌｧｲﾙ=C:\\Users\\Jürgen\\Musik\\a.mp3\r\n"));
    // A value Shift-JIS could hold does not turn it back.
    ASSERT_TRUE(WriteIni("Section", kFileKey, "C:\\a.mp3", ini));
    EXPECT_EQ(folder.Read("a.ini"),
              Utf16Le(u"; ソ\r\n[Section]\r\nBGM区分= 1\r\nBGMﾌｧｲﾙ=C:\\a.mp3\r\n"));

    // Too long for Shift-JIS, whole in UTF-16: 200 characters, 400 bytes.
    std::string longPath;
    std::u16string longUnits;
    for (int i = 0; i < 200; ++i) {
        longPath += u8"曲";
        longUnits += u"曲";
    }
    folder.Write("b.ini", "[Section]\r\n");
    ASSERT_TRUE(WriteIni("Section", kFileKey, longPath, folder.File("b.ini")));
    EXPECT_EQ(folder.Read("b.ini"), Utf16Le(u"[Section]\r\nBGMﾌｧｲﾙ=" + longUnits + u"\r\n"));
    EXPECT_EQ(ReadIni("Section", kFileKey, folder.File("b.ini")), longPath);
}

TEST(IniFile, TheFormAFileTakesToHoldAValue) {
    const std::string yen255 = "C:\\" + std::string(252, 'a');
    std::string kanji127;
    std::string kanji128;
    for (int i = 0; i < 128; ++i) {
        kanji128 += u8"曲";
        kanji127 = i < 127 ? kanji128 : kanji127;
    }
    const IniFileForm kSjis = IniFileForm::kCp932;
    const IniFileForm kLe = IniFileForm::kUtf16LeBom;
    struct Row {
        IniFileForm form;
        std::string key;
        std::string value;
        IniFileForm expected;
    } rows[] = {
        {kSjis, kKind, " 2", kSjis},
        {kSjis, kFileKey, u8"C:\\音楽\\ｿﾌﾄ.mp3", kSjis},
        {kSjis, kFileKey, yen255, kSjis},
        {kSjis, kFileKey, kanji127, kSjis},  // 254 bytes
        {kSjis, kFileKey, kanji128, kLe},    // 256 bytes
        {kSjis, kFileKey, u8"C:\\Users\\José\\Música", kLe},
        {kSjis, kFileKey, u8"C:\\Å", kLe},
        {kSjis, kFileKey, u8"C:\\한\\a.mp3", kLe},
        {kSjis, u8"Å", "1", kLe},  // a name too
        {kLe, kKind, " 2", kLe},
        {IniFileForm::kUtf8Bom, kFileKey, u8"C:\\é", IniFileForm::kUtf8Bom},
        {IniFileForm::kUtf16BeBom, kFileKey, u8"C:\\é", IniFileForm::kUtf16BeBom},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FormHolding(row.form, "Section", row.key, row.value), row.expected)
            << row.key << "=" << row.value;
    }

    // What no form gives back whole: counted in UTF-16 units, as the profile functions' buffer.
    std::string astral127;
    for (int i = 0; i < 127; ++i) {
        astral127 += u8"\U0001F5FB";  // two units each
    }
    EXPECT_TRUE(IniKeepsWhole(""));
    EXPECT_TRUE(IniKeepsWhole(std::string(255, 'a')));
    EXPECT_FALSE(IniKeepsWhole(std::string(256, 'a')));
    EXPECT_TRUE(IniKeepsWhole(astral127 + "a"));
    EXPECT_FALSE(IniKeepsWhole(astral127 + "ab"));
    EXPECT_FALSE(IniKeepsWhole("C:\\\xC3"));  // malformed
    EXPECT_FALSE(IniKeepsWhole("a\nb"));
    EXPECT_FALSE(IniKeepsWhole(std::string("a\0b", 3)));
}

TEST(IniFile, EveryFormReadsTheSameValues) {
    const std::string sjis = "[Section]\r\n" + kKindSjis + "= 2\r\n" + kFileSjis +
                             "=C:\\\x89\xB9\x8A\x79\\\x83\x5C.mp3\r\n";
    const std::u16string unicode = u"[Section]\r\nBGM区分= 2\r\nBGMﾌｧｲﾙ=C:\\音楽\\ソ.mp3\r\n";
    const std::string utf8 = u8"[Section]\r\nBGM区分= 2\r\nBGMﾌｧｲﾙ=C:\\音楽\\ソ.mp3\r\n";
    for (const std::string& bytes :
         {sjis, Utf16Le(unicode), Utf16Be(unicode), "\xEF\xBB\xBF" + utf8}) {
        EXPECT_EQ(ReadIniFromBytes(bytes, "Section", kKind), "2");
        EXPECT_EQ(ReadIniFromBytes(bytes, "Section", kFileKey), u8"C:\\音楽\\ソ.mp3");
    }
}

TEST(IniFile, RefusedWritesLeaveTheFileAsItWas) {
    TestFolder folder;
    const std::string ini = folder.File("a.ini");
    const std::string original = "[Section]\r\n" + kKindSjis + "= 1\r\n";
    folder.Write("a.ini", original);
    EXPECT_FALSE(WriteIni("Section", kFileKey, "a\r\n[Evil]", ini));
    EXPECT_FALSE(WriteIni("Section", kFileKey, std::string(256, 'a'), ini));  // read back cut
    EXPECT_FALSE(WriteIni("Section", "a=b", "1", ini));
    EXPECT_FALSE(WriteIni("Sec]tion", "k", "1", ini));
    EXPECT_FALSE(WriteIni("Section", "k", "\xC3", ini));  // malformed UTF-8
    EXPECT_EQ(folder.Read("a.ini"), original);
    EXPECT_EQ(folder.Listing(), "a.ini\n");
}

TEST(IniFile, AFileThatCannotBeReadIsNeverOverwritten) {
    TestFolder folder;
    folder.MakeFolder("dir.ini");
    EXPECT_EQ(ReadIni("Section", kKind, folder.File("dir.ini")), "");
    EXPECT_FALSE(WriteIni("Section", kKind, " 1", folder.File("dir.ini")));
    EXPECT_EQ(folder.Listing(), "dir.ini\n");
}

TEST(IniFile, AnyBytesReadWithoutFaultAndWritesKeepTheRest) {
    static const char kJunk[] = "\0\xFF\x81[\x83]\n=\r\x1A[Section\n\x81\n[Section]\n\x81";
    const std::string junk(kJunk, sizeof kJunk - 1);
    EXPECT_EQ(ReadIniFromBytes(junk, "Section", "k"), "");
    const std::optional<std::string> written = WriteIniToBytes(junk, "Section", "k", "v");
    ASSERT_TRUE(written);
    EXPECT_EQ(*written, junk + "\r\nk=v\r\n");
    EXPECT_EQ(ReadIniFromBytes(*written, "Section", "k"), "v");

    const std::string megabyteLine = "[Section]\nk=" + std::string(1 << 20, 'x');
    EXPECT_EQ(ReadIniFromBytes(megabyteLine, "Section", "k"), std::string(255, 'x'));

    EXPECT_EQ(ReadIniFromBytes("\xFF\xFE[", "Section", "k"), "");  // odd UTF-16 length
}

}  // namespace
}  // namespace altostrat
