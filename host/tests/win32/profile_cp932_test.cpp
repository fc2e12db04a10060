// Our settings file against the system's own profile functions on a Japanese system (ANSI code
// page 932): each reads what the other wrote, byte for byte where the format is fixed, in
// Shift-JIS and, once a path needs letters code page 932 lacks, in UTF-16.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "common/win32/wide_text.h"
#include "host/settings/ini_file.h"
#include "host/settings/settings.h"
#include "host/tests/test_folder.h"
#include "host/text/cp932.h"

namespace altostrat {
namespace {

using testing::TestFolder;

const std::string kKindSjis = "BGM\x8B\xE6\x95\xAA";
const std::string kRepeatSjis = "BGM\xD8\xCB\xDF\xB0\xC4";
const std::string kFileSjis = "BGM\xCC\xA7\xB2\xD9";
const std::string kScreenSjis = "\x89\xE6\x96\xCA";                       // 画面
const std::string kAircraftSjis = "\x8B\x40\x91\xCC";                     // 機体
const std::string kSkySjis = "\x8B\xF3";                                  // 空
const std::string kScenerySjis = "\x8C\x69\x90\x46";                      // 景色
const std::string kSceneryFileSjis = "\x8C\x69\x90\x46\xCC\xA7\xB2\xD9";  // 景色ﾌｧｲﾙ
const std::string kClockSjis = "\x8E\x9E\x8C\x76";                        // 時計

// The system's reading with the buffer ReadIni stands for: 256 bytes, default "".
std::string SystemRead(const std::string& section, const std::string& key,
                       const std::string& file) {
    char buffer[256] = {};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer, sizeof buffer, file.c_str());
    return buffer;
}

// The same through the wide function, which reads Shift-JIS and UTF-16 files alike.
std::string SystemReadWide(const std::string& section, const std::string& key,
                           const std::string& file) {
    wchar_t buffer[256] = {};
    GetPrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), L"", buffer, 256,
                             Wide(file).c_str());
    return Narrow(buffer);
}

bool SystemWrite(const std::string& section, const std::string& key, const std::string& value,
                 const std::string& file) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) !=
           FALSE;
}

class ProfileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 932u) << "these tests need the Japanese ANSI code page";
        // The system functions take ANSI paths: the temporary folder must be plain ASCII.
        for (char c : folder.path()) {
            ASSERT_LT(static_cast<unsigned char>(c), 0x80) << folder.path();
        }
    }
    TestFolder folder;
};

TEST_F(ProfileTest, OurSavedSettingsReadBackThroughTheSystem) {
    HostSettings settings;
    settings.BgmKind = MusicKind::kCd;
    settings.BgmRepeat = 5;
    settings.BgmFile = u8"C:\\音楽\\ソフト\\表.mp3";
    settings.Screen = ScreenChoice::kAcrossAll;
    settings.AircraftShown = false;
    settings.SkyFollowsClock = true;
    settings.ClockShown = true;
    const std::string ini = folder.File("ours.ini");
    ASSERT_TRUE(SaveSettings(settings, ini));
    EXPECT_EQ(SystemRead("Section", kKindSjis, ini), "1");
    EXPECT_EQ(SystemRead("Section", kRepeatSjis, ini), "5");
    EXPECT_EQ(SystemRead("Section", kFileSjis, ini), *Utf8ToCp932Exactly(settings.BgmFile));
    EXPECT_EQ(SystemRead("Section", kScreenSjis, ini), "1");
    EXPECT_EQ(SystemRead("Section", kAircraftSjis, ini), "0");
    EXPECT_EQ(SystemRead("Section", kSkySjis, ini), "1");
    EXPECT_EQ(SystemRead("Section", kClockSjis, ini), "1");
}

TEST_F(ProfileTest, SystemWrittenSettingsReadBackThroughOursAndMatchOurBytes) {
    const std::string path = u8"C:\\音楽\\ソフト\\表.mp3";
    const std::string theirs = folder.File("theirs.ini");
    ASSERT_TRUE(SystemWrite("Section", kKindSjis, " 2", theirs));
    ASSERT_TRUE(SystemWrite("Section", kRepeatSjis, " 0", theirs));
    ASSERT_TRUE(SystemWrite("Section", kFileSjis, *Utf8ToCp932Exactly(path), theirs));
    ASSERT_TRUE(SystemWrite("Section", kScreenSjis, " 0", theirs));
    ASSERT_TRUE(SystemWrite("Section", kAircraftSjis, " 1", theirs));
    ASSERT_TRUE(SystemWrite("Section", kSkySjis, " 0", theirs));
    ASSERT_TRUE(SystemWrite("Section", kScenerySjis, " 0", theirs));
    ASSERT_TRUE(SystemWrite("Section", kSceneryFileSjis, "", theirs));
    ASSERT_TRUE(SystemWrite("Section", kClockSjis, " 0", theirs));
    EXPECT_EQ(ReadIni("Section", u8"画面", theirs), "0");
    EXPECT_EQ(ReadIni("Section", u8"機体", theirs), "1");
    EXPECT_EQ(ReadIni("Section", u8"空", theirs), "0");
    EXPECT_EQ(ReadIni("Section", u8"BGM区分", theirs), "2");
    EXPECT_EQ(ReadIni("Section", u8"BGMﾘﾋﾟｰﾄ", theirs), "0");
    EXPECT_EQ(ReadIni("Section", u8"BGMﾌｧｲﾙ", theirs), path);

    HostSettings settings;
    settings.BgmKind = MusicKind::kFile;
    settings.BgmRepeat = 0;
    settings.BgmFile = path;
    const std::string ours = folder.File("ours.ini");
    ASSERT_TRUE(SaveSettings(settings, ours));
    // Windows writes a value's leading blank as given ("= 2"); Wine's writer drops it. Apart
    // from that blank the two files must be the same bytes.
    std::string ourBytes = folder.Read("ours.ini");
    for (std::size_t at; (at = ourBytes.find("= ")) != std::string::npos;) {
        ourBytes.erase(at + 1, 1);
    }
    EXPECT_EQ(ourBytes, folder.Read("theirs.ini"));
}

TEST_F(ProfileTest, TheSystemReadsOurShiftJisAndOurUtf16FilesAlike) {
    HostSettings sjis;
    sjis.BgmKind = MusicKind::kFile;
    sjis.BgmRepeat = 3;
    sjis.BgmFile = u8"C:\\音楽\\ｿﾌﾄ\\表.mp3";
    sjis.SceneryKind = Scenery::kPicture;
    sjis.SceneryFile = u8"D:\\写真";
    HostSettings unicode = sjis;
    unicode.BgmFile = u8"C:\\Users\\Jürgen\\Musik\\表.mp3";
    unicode.SceneryFile = u8"C:\\Users\\José\\Música\\Å.jpg";
    const struct {
        const char* name;
        const HostSettings& settings;
        const char* start;  // the byte-order mark, or the section's first bytes
    } files[] = {{"sjis.ini", sjis, "[S"}, {"utf16.ini", unicode, "\xFF\xFE"}};
    for (const auto& file : files) {
        const std::string ini = folder.File(file.name);
        ASSERT_TRUE(SaveSettings(file.settings, ini));
        EXPECT_EQ(folder.Read(file.name).substr(0, 2), file.start) << file.name;
        EXPECT_EQ(SystemReadWide("Section", kBgmKindKey, ini), "2");
        EXPECT_EQ(SystemReadWide("Section", kBgmRepeatKey, ini), "3");
        EXPECT_EQ(SystemReadWide("Section", kBgmFileKey, ini), file.settings.BgmFile);
        EXPECT_EQ(SystemReadWide("Section", kSceneryKindKey, ini), "1");
        EXPECT_EQ(SystemReadWide("Section", kSceneryFileKey, ini), file.settings.SceneryFile);
        EXPECT_EQ(SystemReadWide("Section", kAircraftShownKey, ini), "1");
    }

    // The system's own edit of our UTF-16 file keeps it UTF-16, and we read it.
    const std::string ini = folder.File("utf16.ini");
    ASSERT_TRUE(WritePrivateProfileStringW(L"Section", Wide(kBgmFileKey).c_str(),
                                           L"C:\\Ni\u00F1o\\\u00D8.wav", Wide(ini).c_str()));
    EXPECT_EQ(folder.Read("utf16.ini").substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(ReadIni("Section", kBgmFileKey, ini), u8"C:\\Niño\\Ø.wav");
    EXPECT_EQ(ReadIni("Section", kSceneryFileKey, ini), unicode.SceneryFile);
}

TEST_F(ProfileTest, BothReadAnUntidyHandWrittenFileAlike) {
    folder.Write("hand.ini",
                 "; comment\r\n"
                 "[other]\r\n"
                 "k=other section\r\n"
                 "  [ SECTION ]  \r\n"
                 "\tbgm\x8B\xE6\x95\xAA =  \"1\"  \r\n"
                 "BGM\xD8\xCB\xDF\xB0\xC4=\r\n"
                 "k = a = b \n"
                 "q=\"unclosed\n"
                 "s='single'\r\n"
                 "long=" +
                     std::string(300, 'x') +
                     "\r\n"
                     "[section]\r\n"
                     "late=1\r\n");
    const std::string ini = folder.File("hand.ini");
    for (const char* key : {"bgm\x8B\xE6\x95\xAA", "BGM\x8B\xE6\x95\xAA", "BGM\xD8\xCB\xDF\xB0\xC4",
                            "k", "q", "s", "long", "late", "missing"}) {
        const std::string system = SystemRead("Section", key, ini);
        EXPECT_EQ(ReadIni("Section", Cp932ToUtf8(key), ini), Cp932ToUtf8(system)) << key;
    }
    EXPECT_EQ(ReadIni("Other", "k", ini), SystemRead("Other", "k", ini));
}

TEST_F(ProfileTest, OurEditOfAnExistingFileReadsBackThroughTheSystem) {
    folder.Write("edit.ini", "; keep me\r\n[Other]\r\nx=1\r\n[Section]\r\n" + kKindSjis +
                                 "=1\r\nextra=yes\r\n");
    const std::string ini = folder.File("edit.ini");
    ASSERT_TRUE(WriteIni("Section", u8"BGM区分", " 2", ini));
    ASSERT_TRUE(WriteIni("Section", u8"BGMﾌｧｲﾙ", u8"D:\\ソ.wav", ini));
    EXPECT_EQ(SystemRead("Section", kKindSjis, ini), "2");
    EXPECT_EQ(SystemRead("Section", kFileSjis, ini), "D:\\\x83\x5C.wav");
    EXPECT_EQ(SystemRead("Section", "extra", ini), "yes");
    EXPECT_EQ(SystemRead("Other", "x", ini), "1");
}

}  // namespace
}  // namespace altostrat
