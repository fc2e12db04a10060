#include <gtest/gtest.h>

#include <filesystem>

#include "host/settings/settings.h"
#include "host/tests/test_folder.h"

namespace altostrat {
namespace {

using testing::TestFolder;

const std::string kKind = "BGM\x8B\xE6\x95\xAA";
const std::string kRepeat = "BGM\xD8\xCB\xDF\xB0\xC4";
const std::string kFile = "BGM\xCC\xA7\xB2\xD9";
const std::string kScreen = "\x89\xE6\x96\xCA";    // 画面
const std::string kAircraft = "\x8B\x40\x91\xCC";  // 機体
const std::string kSky = "\x8B\xF3";               // 空
const std::string kScenery = "\x8C\x69\x90\x46";   // 景色
const std::string kSceneryFile = kScenery + "\xCC\xA7\xB2\xD9";
const std::string kClock = "\x8E\x9E\x8C\x76";  // 時計

struct SettingsTest : ::testing::Test {
    TestFolder folder;
    const std::string program = "C:\\Program";

    // Loads from a file holding the given lines under [Section]; no lines, no file.
    HostSettings Load(const std::string& lines, HostSettings settings = {}) {
        if (!lines.empty()) {
            folder.Write("a.ini", "[Section]\r\n" + lines);
        }
        LoadSettings(settings, folder.File("a.ini"), program);
        return settings;
    }

    // A music file at FOLDER\sub\NAME. Only ':' and '\' separate folders in the settings, so
    // natively the file is called "sub\NAME", and on Windows it lies in the folder sub: the
    // same text names it on both.
    std::string MusicFile(const std::string& name) {
        folder.MakeFolder("sub");
        folder.Write("sub\\" + name, "ID3");
        return folder.File("sub\\" + name);
    }
    std::string MusicFolder() { return folder.File("sub"); }
};

TEST_F(SettingsTest, NoFileGivesTheDefaults) {
    const HostSettings settings = Load("");
    EXPECT_EQ(settings.BgmKind, MusicKind::kNone);
    EXPECT_EQ(settings.BgmRepeat, 0);
    EXPECT_EQ(settings.BgmFile, "");
    EXPECT_EQ(settings.BgmFolder, program);
}

TEST_F(SettingsTest, AnExistingMusicFileIsKeptAndOpensTheChooserInItsFolder) {
    const std::string file = MusicFile("a.mp3");
    const HostSettings settings =
        Load(kKind + "= 2\r\n" + kRepeat + "= 7\r\n" + kFile + "=" + file + "\r\n");
    EXPECT_EQ(settings.BgmKind, MusicKind::kFile);
    EXPECT_EQ(settings.BgmRepeat, 7);
    EXPECT_EQ(settings.BgmFile, file);
    EXPECT_EQ(settings.BgmFolder, MusicFolder());
}

TEST_F(SettingsTest, AMissingOrEmptyMusicFileIsForgottenAndTheFileKindFallsBack) {
    HostSettings settings =
        Load(kKind + "= 2\r\n" + kFile + "=" + folder.File("gone.mp3") + "\r\n");
    EXPECT_EQ(settings.BgmKind, MusicKind::kNone);
    EXPECT_EQ(settings.BgmFile, "");
    EXPECT_EQ(settings.BgmFolder, program);

    settings = Load(kKind + "=2\r\n" + kFile + "=\r\n");
    EXPECT_EQ(settings.BgmKind, MusicKind::kNone);

    // The audio CD does not need a file: kind 1 stays, with or without a (missing) file.
    settings = Load(kKind + "=1\r\n");
    EXPECT_EQ(settings.BgmKind, MusicKind::kCd);
    EXPECT_EQ(settings.BgmFile, "");
    settings = Load(kKind + "=1\r\n" + kFile + "=" + folder.File("gone.mp3") + "\r\n");
    EXPECT_EQ(settings.BgmKind, MusicKind::kCd);
    EXPECT_EQ(settings.BgmFile, "");
}

TEST_F(SettingsTest, NumbersRoundDownAndBadOnesKeepTheEarlierValue) {
    const std::string file = MusicFile("a.wav");
    EXPECT_EQ(Load(kKind + "=2.9\r\n" + kFile + "=" + file + "\r\n").BgmKind, MusicKind::kFile);
    EXPECT_EQ(Load(kKind + "=-0.5\r\n").BgmKind, MusicKind{-1});
    EXPECT_EQ(Load(kKind + "=7\r\n").BgmKind,
              MusicKind{7});  // an unknown kind stays; users treat it as none
    EXPECT_EQ(Load(kRepeat + "=  12  \r\n").BgmRepeat, 12);
    EXPECT_EQ(Load(kRepeat + "=\"3\"\r\n").BgmRepeat, 3);

    HostSettings earlier;
    earlier.BgmKind = MusicKind::kCd;
    earlier.BgmRepeat = 4;
    for (const char* bad : {"40000", "abc", "1 2", "-32769", "1e9", "&H10"}) {
        const HostSettings settings =
            Load(kKind + "=" + bad + "\r\n" + kRepeat + "=" + bad + "\r\n", earlier);
        EXPECT_EQ(settings.BgmKind, MusicKind::kCd) << bad;
        EXPECT_EQ(settings.BgmRepeat, 4) << bad;
    }
    // An empty value is not a bad number: it means 0.
    const HostSettings settings = Load(kKind + "=\r\n" + kRepeat + "= \r\n", earlier);
    EXPECT_EQ(settings.BgmKind, MusicKind::kNone);
    EXPECT_EQ(settings.BgmRepeat, 0);
}

TEST_F(SettingsTest, TheDisplayKeysReadByTheirOneMeaningfulValue) {
    // 画面, 空 and 時計 are 1 only for the number 1 (rounded down, as the other numbers), 画面 also
    // 2 only for 2, 機体 0 only for 0; missing, empty, unreadable and other numbers give 0, 1 and
    // 0. A value read before does not stay, unlike the music numbers.
    HostSettings earlier;
    earlier.Screen = ScreenChoice::kAcrossAll;
    earlier.AircraftShown = false;
    earlier.SkyFollowsClock = true;
    earlier.ClockShown = true;
    const HostSettings none = Load("", earlier);
    EXPECT_EQ(none.Screen, ScreenChoice::kSwitchTo1024);
    EXPECT_EQ(none.AircraftShown, true);
    EXPECT_EQ(none.SkyFollowsClock, false);
    EXPECT_EQ(none.ClockShown, false);
    const struct {
        const char* value;
        int screenAndSky;
        int aircraft;
    } cases[] = {
        {" 1", 1, 1}, {"1", 1, 1},    {" 0", 0, 0}, {"1.7", 1, 1}, {"0.9", 0, 0}, {"2", 0, 1},
        {"-1", 0, 1}, {"-0.5", 0, 1}, {"", 0, 1},   {" ", 0, 1},   {"abc", 0, 1}, {"40000", 0, 1},
    };
    for (const auto& c : cases) {
        const HostSettings settings =
            Load(kScreen + "=" + c.value + "\r\n" + kAircraft + "=" + c.value + "\r\n" + kSky +
                     "=" + c.value + "\r\n" + kClock + "=" + c.value + "\r\n",
                 earlier);
        const int screen = std::string(c.value) == "2" ? 2 : c.screenAndSky;
        EXPECT_EQ(static_cast<int>(settings.Screen), screen) << '"' << c.value << '"';
        EXPECT_EQ(settings.AircraftShown, c.aircraft == 1) << '"' << c.value << '"';
        EXPECT_EQ(settings.SkyFollowsClock, c.screenAndSky == 1) << '"' << c.value << '"';
        EXPECT_EQ(settings.ClockShown, c.screenAndSky == 1) << '"' << c.value << '"';
    }
    // The keys' other spellings (UTF-8, or the full-width forms) are other keys.
    EXPECT_EQ(Load(u8"画面=1\r\n機体=0\r\n空=1\r\n").Screen, ScreenChoice::kSwitchTo1024);
    EXPECT_EQ(Load(u8"画面=1\r\n機体=0\r\n空=1\r\n").AircraftShown, true);
    EXPECT_EQ(Load(u8"画面=1\r\n機体=0\r\n空=1\r\n").SkyFollowsClock, false);
    EXPECT_EQ(Load(u8"時計=1\r\n").ClockShown, false);
}

TEST_F(SettingsTest, KeysMatchOnlyTheirExactKatakanaAndKanjiBytes) {
    // ASCII case does not matter, as with the Windows profile functions...
    EXPECT_EQ(Load("bgm\x8B\xE6\x95\xAA=1\r\n").BgmKind, MusicKind::kCd);
    // ...but full-width forms of the half-width katakana, or full-width Latin, are other keys.
    EXPECT_EQ(Load("BGM\x83\x8A\x83\x73\x81\x5B\x83\x67=5\r\n").BgmRepeat, 0);  // BGMリピート
    EXPECT_EQ(Load("\x82\x61\x82\x66\x82\x6C\x8B\xE6\x95\xAA=1\r\n").BgmKind,
              MusicKind::kNone);  // ＢＧＭ区分
}

TEST_F(SettingsTest, AStoredPathLongerThan255BytesIsCutAndThenUsuallyMissing) {
    const std::string longPath = "C:\\" + std::string(300, 'm') + ".mp3";
    const HostSettings settings = Load(kKind + "=2\r\n" + kFile + "=" + longPath + "\r\n");
    EXPECT_EQ(settings.BgmFile, "");
    EXPECT_EQ(settings.BgmKind, MusicKind::kNone);
}

TEST_F(SettingsTest, SavingWritesTheSixLinesInOrderAsShiftJis) {
    HostSettings settings;
    settings.BgmKind = MusicKind::kCd;
    settings.BgmRepeat = 5;
    ASSERT_TRUE(SaveSettings(settings, folder.File("a.ini")));
    EXPECT_EQ(folder.Read("a.ini"), "[Section]\r\n" + kKind + "= 1\r\n" + kRepeat + "= 5\r\n" +
                                        kFile + "=\r\n" + kScreen + "= 0\r\n" + kAircraft +
                                        "= 1\r\n" + kSky + "= 0\r\n" + kScenery + "= 0\r\n" +
                                        kSceneryFile + "=\r\n" + kClock + "= 0\r\n");

    settings.BgmKind = MusicKind{-1};
    settings.BgmRepeat = 0;
    settings.BgmFile = u8"C:\\音楽\\ソ.mp3";
    settings.Screen = ScreenChoice::kAcrossAll;
    settings.AircraftShown = false;
    settings.SkyFollowsClock = true;
    settings.SceneryKind = Scenery::kPicture;
    settings.SceneryFile = u8"D:\\写真\\";  // a folder, and one not there now: kept as it is
    settings.ClockShown = true;
    ASSERT_TRUE(SaveSettings(settings, folder.File("a.ini")));
    EXPECT_EQ(folder.Read("a.ini"), "[Section]\r\n" + kKind + "=-1\r\n" + kRepeat + "= 0\r\n" +
                                        kFile + "=C:\\\x89\xB9\x8A\x79\\\x83\x5C.mp3\r\n" +
                                        kScreen + "= 1\r\n" + kAircraft + "= 0\r\n" + kSky +
                                        "= 1\r\n" + kScenery + "= 1\r\n" + kSceneryFile +
                                        "=D:\\\x8E\xCA\x90\x5E\\\r\n" + kClock + "= 1\r\n");
    const HostSettings loaded = Load("", HostSettings{});
    EXPECT_EQ(loaded.Screen, ScreenChoice::kAcrossAll);
    EXPECT_EQ(loaded.AircraftShown, false);
    EXPECT_EQ(loaded.SkyFollowsClock, true);
    EXPECT_EQ(loaded.SceneryKind, Scenery::kPicture);
    EXPECT_EQ(loaded.SceneryFile, settings.SceneryFile);
    EXPECT_EQ(loaded.ClockShown, true);
}

TEST_F(SettingsTest, SavingKeepsWhatElseTheFileHoldsAndLoadsBack) {
    folder.Write("a.ini", "; my notes\r\n[Other]\r\nx=1\r\n[section]\r\n" + kRepeat + "=9\r\n");
    HostSettings settings;
    settings.BgmKind = MusicKind::kFile;
    settings.BgmRepeat = 3;
    settings.BgmFile = MusicFile(u8"表ソ.mp3");
    ASSERT_TRUE(SaveSettings(settings, folder.File("a.ini")));
    const std::string sjisFile = folder.File("sub\\") + "\x95\x5C\x83\x5C.mp3";
    EXPECT_EQ(folder.Read("a.ini"), "; my notes\r\n[Other]\r\nx=1\r\n[section]\r\n" + kRepeat +
                                        "= 3\r\n" + kKind + "= 2\r\n" + kFile + "=" + sjisFile +
                                        "\r\n" + kScreen + "= 0\r\n" + kAircraft + "= 1\r\n" +
                                        kSky + "= 0\r\n" + kScenery + "= 0\r\n" + kSceneryFile +
                                        "=\r\n" + kClock + "= 0\r\n");
    const HostSettings loaded = Load("", HostSettings{});
    EXPECT_EQ(loaded.BgmKind, MusicKind::kFile);
    EXPECT_EQ(loaded.BgmRepeat, 3);
    EXPECT_EQ(loaded.BgmFile, settings.BgmFile);
    EXPECT_EQ(loaded.BgmFolder, MusicFolder());
}

TEST_F(SettingsTest, AnyLetterIsKeptAndOnlyAPathTooLongForTheFileStopsTheSave) {
    folder.Write("a.ini", "[Section]\r\n" + kKind + "= 1\r\n");
    HostSettings settings;
    settings.BgmKind = MusicKind::kFile;
    settings.BgmFile = MusicFile(u8"Jürgen été.mp3");
    settings.SceneryKind = Scenery::kPicture;
    settings.SceneryFile = u8"C:\\Users\\José\\Música\\Å.jpg";
    ASSERT_TRUE(SaveSettings(settings, folder.File("a.ini")));
    EXPECT_EQ(folder.Read("a.ini").substr(0, 2), "\xFF\xFE");
    HostSettings loaded = Load("");
    EXPECT_EQ(loaded.BgmKind, MusicKind::kFile);
    EXPECT_EQ(loaded.BgmFile, settings.BgmFile);
    EXPECT_EQ(loaded.SceneryFile, settings.SceneryFile);

    // 255 characters, 507 bytes in Shift-JIS: whole in the UTF-16 file.
    settings.SceneryFile = "C:\\";
    for (int i = 0; i < 252; ++i) {
        settings.SceneryFile += u8"曲";
    }
    ASSERT_TRUE(SaveSettings(settings, folder.File("a.ini")));
    EXPECT_EQ(Load("").SceneryFile, settings.SceneryFile);
    EXPECT_FALSE(UnkeptPath(settings));

    // One more is more than any form gives back: nothing is written, and the path is named.
    const std::string before = folder.Read("a.ini");
    settings.SceneryFile += "x";
    EXPECT_FALSE(SaveSettings(settings, folder.File("a.ini")));
    EXPECT_EQ(folder.Read("a.ini"), before);
    std::optional<UnkeptSetting> unkept = UnkeptPath(settings);
    ASSERT_TRUE(unkept);
    EXPECT_EQ(unkept->key, kSceneryFileKey);
    EXPECT_EQ(unkept->value, settings.SceneryFile);
    settings.BgmFile = "C:\\a\r\n[Evil]";
    unkept = UnkeptPath(settings);
    ASSERT_TRUE(unkept);
    EXPECT_EQ(unkept->key, kBgmFileKey);
}

}  // namespace
}  // namespace altostrat
