// The settings dialog's decisions: which controls each music kind enables, the 画面 choices and
// the aircraft and sky boxes, what the repeat entry saves, which picked paths can be kept (their
// length counted in UTF-16 units, worked out by hand below), where the file chooser opens, when
// the link opens, and the exact bytes "設定" leaves in the settings file (written out literally
// below as the oracle).
#include <gtest/gtest.h>

#include <algorithm>

#include "host/dialog/keeper_box.h"
#include "host/dialog/settings_dialog.h"
#include "host/tests/test_folder.h"

namespace altostrat {
namespace {

using testing::TestFolder;

struct RecordingStore : SettingsStore {
    bool Save(const HostSettings& settings) override {
        saved.push_back(settings);
        return succeed;
    }
    std::vector<HostSettings> saved;
    bool succeed = true;
};

struct FileStore : SettingsStore {
    explicit FileStore(std::string path) : path(std::move(path)) {}
    bool Save(const HostSettings& settings) override { return SaveSettings(settings, path); }
    std::string path;
};

TEST(SettingsDialog, ChoicesEnableTheirControlsAndKeepThePath) {
    HostSettings settings;
    settings.BgmKind = MusicKind::kFile;
    settings.BgmRepeat = 0;
    settings.BgmFile = "C:\\Music\\a.mp3";
    SettingsDialogForm form;
    LoadSettingsDialog(form, settings);
    EXPECT_EQ(form.chosenMark, (std::array<bool, 3>{false, false, true}));
    EXPECT_TRUE(form.fileButtonEnabled);
    EXPECT_FALSE(form.repeatEnabled);
    EXPECT_EQ(form.repeatText, "");
    ASSERT_EQ(form.repeatItems.size(), 31u);
    EXPECT_EQ(form.repeatItems[0], "");
    EXPECT_EQ(form.repeatItems[1], "1");
    EXPECT_EQ(form.repeatItems[30], "30");
    EXPECT_EQ(form.fileLabel, "C:\\Music\\a.mp3");

    ChooseMusicKind(form, settings, MusicKind::kCd);
    EXPECT_EQ(form.chosenMark, (std::array<bool, 3>{false, true, false}));
    EXPECT_TRUE(form.repeatEnabled);
    EXPECT_FALSE(form.fileButtonEnabled);
    ChooseMusicKind(form, settings, MusicKind::kNone);
    EXPECT_EQ(form.chosenMark, (std::array<bool, 3>{true, false, false}));
    EXPECT_FALSE(form.repeatEnabled);
    EXPECT_FALSE(form.fileButtonEnabled);
    EXPECT_EQ(settings.BgmFile, "C:\\Music\\a.mp3");
    EXPECT_EQ(form.fileLabel, "C:\\Music\\a.mp3");

    // A kind from the file outside 0 to 2: nothing marked, both controls off.
    settings.BgmKind = MusicKind{7};
    settings.BgmRepeat = -3;
    LoadSettingsDialog(form, settings);
    EXPECT_EQ(form.chosenMark, (std::array<bool, 3>{false, false, false}));
    EXPECT_FALSE(form.repeatEnabled || form.fileButtonEnabled);
    EXPECT_EQ(form.repeatText, "-3");

    // A picked file moves the chooser's start folder; a path of any letters is kept as it is,
    // one that lost a character on its way from Windows falls back to its short form, or is
    // refused.
    TakePickedFile(form, settings, "C:\\Music\\b.wav");
    EXPECT_EQ(form.fileLabel, "C:\\Music\\b.wav");
    EXPECT_EQ(settings.BgmFolder, "C:\\Music");
    EXPECT_EQ(StorablePath(u8"C:\\曲\\a.mp3", ""), u8"C:\\曲\\a.mp3");
    EXPECT_EQ(StorablePath(u8"C:\\Músic\\a.mp3", "C:\\MSIC~1\\a.mp3"), u8"C:\\Músic\\a.mp3");
    EXPECT_EQ(StorablePath(u8"C:\\한\\a.mp3", ""), u8"C:\\한\\a.mp3");
    EXPECT_EQ(StorablePath(u8"C:\\\uFFFD\\a.mp3", "C:\\A~1\\a.mp3"), "C:\\A~1\\a.mp3");
    EXPECT_EQ(StorablePath(u8"C:\\\uFFFD\\a.mp3", ""), std::nullopt);
}

TEST(SettingsDialog, ScreenChoicesAndTheAircraftAndSkyBoxes) {
    HostSettings settings;
    SettingsDialogForm form;
    // The defaults: switch to 1024 x 768, aircraft shown, the midday sky.
    LoadSettingsDialog(form, settings);
    EXPECT_EQ(form.screenMark, (std::array<bool, 3>{true, false, false}));
    EXPECT_TRUE(form.aircraftChecked);
    EXPECT_FALSE(form.skyChecked);
    ChooseScreen(form, settings, ScreenChoice::kAcrossAll);
    EXPECT_EQ(form.screenMark, (std::array<bool, 3>{false, true, false}));
    EXPECT_EQ(settings.Screen, ScreenChoice::kAcrossAll);
    ToggleAircraft(form, settings);
    EXPECT_FALSE(form.aircraftChecked);
    EXPECT_EQ(settings.AircraftShown, false);
    ToggleAircraft(form, settings);
    EXPECT_EQ(settings.AircraftShown, true);
    ToggleSky(form, settings);
    EXPECT_TRUE(form.skyChecked);
    EXPECT_EQ(settings.SkyFollowsClock, true);
    EXPECT_TRUE(form.aircraftChecked);  // each box is its own
    ToggleSky(form, settings);
    EXPECT_EQ(settings.SkyFollowsClock, false);
    ToggleClock(form, settings);
    EXPECT_TRUE(form.clockChecked);
    EXPECT_EQ(settings.ClockShown, true);
    EXPECT_FALSE(form.skyChecked);
    // The music choices leave the 画面 marks alone, and the other way round.
    ChooseMusicKind(form, settings, MusicKind::kFile);
    EXPECT_EQ(form.screenMark, (std::array<bool, 3>{false, true, false}));
    EXPECT_EQ(form.chosenMark, (std::array<bool, 3>{false, false, true}));
    settings.AircraftShown = false;
    settings.Screen = ScreenChoice::kSwitchTo1024;
    settings.SkyFollowsClock = true;
    settings.ClockShown = false;
    LoadSettingsDialog(form, settings);
    EXPECT_FALSE(form.aircraftChecked);
    EXPECT_TRUE(form.skyChecked);
    EXPECT_FALSE(form.clockChecked);
    EXPECT_EQ(form.screenMark, (std::array<bool, 3>{true, false, false}));
}

TEST(SettingsDialog, SceneryPictureAndItsFolder) {
    HostSettings settings;
    SettingsDialogForm form;
    LoadSettingsDialog(form, settings);
    EXPECT_EQ(form.sceneryMark, (std::array<bool, 2>{true, false}));  // デスクトップ by default
    // A picked picture chooses 画像; the folder box turns it into its folder and back.
    TakePickedPicture(form, settings, "C:\\Pics\\a.png");
    EXPECT_EQ(form.sceneryMark, (std::array<bool, 2>{false, true}));
    EXPECT_EQ(settings.SceneryKind, Scenery::kPicture);
    EXPECT_EQ(settings.SceneryFile, "C:\\Pics\\a.png");
    EXPECT_EQ(PictureChooserFolder(form, settings), "C:\\Pics");
    EXPECT_FALSE(ToggleSceneryFolder(form, settings));
    EXPECT_EQ(settings.SceneryFile, "C:\\Pics");
    EXPECT_EQ(form.sceneryLabel, "C:\\Pics");
    EXPECT_EQ(PictureChooserFolder(form, settings), "C:\\Pics");
    EXPECT_FALSE(ToggleSceneryFolder(form, settings));
    EXPECT_EQ(settings.SceneryFile, "C:\\Pics\\a.png");
    // Picked while ticked, a picture in a drive's root gives the root, never a bare "D:".
    ToggleSceneryFolder(form, settings);
    ChooseScenery(form, settings, Scenery::kDesktop);
    TakePickedPicture(form, settings, "D:\\b.jpg");
    EXPECT_EQ(settings.SceneryFile, "D:\\");
    EXPECT_EQ(settings.SceneryKind, Scenery::kPicture);

    // Opened on a folder: ticked, and clearing it waits for a picture picked in that folder.
    settings.SceneryFile = "C:\\Pics";
    LoadSettingsDialog(form, settings, true);
    EXPECT_TRUE(form.sceneryFolderChecked);
    EXPECT_TRUE(ToggleSceneryFolder(form, settings));
    EXPECT_TRUE(form.sceneryFolderChecked);
    EXPECT_EQ(settings.SceneryFile, "C:\\Pics");
    EXPECT_EQ(PictureChooserFolder(form, settings), "C:\\Pics");
    TakePickedPicture(form, settings, "C:\\Pics\\c.gif", true);
    EXPECT_FALSE(form.sceneryFolderChecked);
    EXPECT_EQ(settings.SceneryFile, "C:\\Pics\\c.gif");
}

TEST(SettingsDialog, PathLengthRootFolderAndLink) {
    // The settings file gives back 255 UTF-16 units in any form: "C:\" + 252 x 曲 (504 bytes in
    // Shift-JIS, 759 in UTF-8) is the longest such path.
    std::string at255 = "C:\\";
    for (int i = 0; i < 252; ++i) {
        at255 += u8"曲";
    }
    EXPECT_EQ(RefusalOf(at255), PathRefusal::kNone);
    EXPECT_EQ(StorablePath(at255, ""), at255);
    const std::string at256 = at255 + u8"ｱ";
    EXPECT_EQ(RefusalOf(at256), PathRefusal::kTooLong);
    EXPECT_EQ(StorablePath(at256, ""), std::nullopt);
    // A short form that fits is kept instead.
    EXPECT_EQ(StorablePath(at256, "C:\\ABCDEF~1\\A.MP3"), "C:\\ABCDEF~1\\A.MP3");
    EXPECT_EQ(StorablePath(at256, at256), std::nullopt);
    EXPECT_EQ(RefusalOf("C:\\" + std::string(252, 'a')), PathRefusal::kNone);
    EXPECT_EQ(RefusalOf("C:\\" + std::string(253, 'a')), PathRefusal::kTooLong);
    EXPECT_EQ(RefusalOf(u8"C:\\Users\\Jürgen\\Musik\\한.mp3"), PathRefusal::kNone);
    EXPECT_EQ(RefusalOf(u8"C:\\\uFFFD.mp3"), PathRefusal::kCharacters);
    EXPECT_EQ(RefusalOf("C:\\\xC3.mp3"), PathRefusal::kCharacters);
    // Shown in the refusal, a long path is broken into lines of whole characters.
    EXPECT_EQ(BrokenIntoLines(u8"C:\\曲曲\\abc", 3), u8"C:\\\n曲曲\\\nabc");
    EXPECT_EQ(BrokenIntoLines("abcdef", 3), "abc\ndef");
    EXPECT_EQ(BrokenIntoLines("", 3), "");

    // A file in a drive's root leaves the folder "C:"; the chooser opens at the root "C:\",
    // since a bare "C:" is the current folder of that drive to Windows.
    HostSettings settings;
    SettingsDialogForm form;
    TakePickedFile(form, settings, "C:\\a.wav");
    EXPECT_EQ(settings.BgmFolder, "C:");
    EXPECT_EQ(ChooserStartFolder(settings.BgmFolder), "C:\\");
    EXPECT_EQ(ChooserStartFolder("d:"), "d:\\");
    EXPECT_EQ(ChooserStartFolder("C:\\Music"), "C:\\Music");
    EXPECT_EQ(ChooserStartFolder("\\\\server\\share"), "\\\\server\\share");
    EXPECT_EQ(ChooserStartFolder(""), "");

    // The link: a press and release on it opens it; a release ending a press elsewhere (the
    // double-click closing the file chooser), or a press dragged off it, does not.
    LinkPress link;
    PressLink(link, true);
    EXPECT_TRUE(ReleaseLink(link, true));
    EXPECT_FALSE(ReleaseLink(link, true));  // no press before this release
    PressLink(link, false);
    EXPECT_FALSE(ReleaseLink(link, true));
    PressLink(link, true);
    EXPECT_FALSE(ReleaseLink(link, false));
}

TEST(SettingsDialog, RepeatTexts) {
    const std::pair<const char*, int> cases[] = {
        {"5", 5},
        {"2.5", 2},
        {"3.5", 4},
        {"abc", 0},
        {"-2", -2},
        {"", 0},
        {" 7 ", 7},
        {"+3", 3},
        {".5", 0},
        {"1.5", 2},
        {"1e1", 0},
        {"&H10", 0},
        {"32767", 32767},
        {"32768", 0},
        {"-32768", -32768},
        {"-32769", 0},
        {"99999999999999999999", 0},
        {"5x", 0},
        {"- 5", 0},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(RepeatFromText(text), expected) << '"' << text << '"';
    }
}

TEST(SettingsDialog, SetWritesTheSixKeysAndCancelWritesNothing) {
    TestFolder folder;
    const std::string ini = folder.File("a.ini");
    HostSettings settings;
    settings.BgmKind = MusicKind::kFile;
    settings.BgmFile = "C:\\Music\\a.mp3";
    SettingsDialogForm form;
    LoadSettingsDialog(form, settings);
    ChooseMusicKind(form, settings, MusicKind::kNone);  // "なし" keeps the path
    ChooseScreen(form, settings, ScreenChoice::kAcrossAll);
    ToggleAircraft(form, settings);
    ToggleSky(form, settings);
    ToggleClock(form, settings);
    form.repeatText = "3.5";
    FileStore store(ini);
    ASSERT_TRUE(ConfirmSettings(form, settings, store));
    EXPECT_TRUE(form.closed);
    EXPECT_EQ(folder.Read("a.ini"),
              "[Section]\r\n"
              "BGM\x8B\xE6\x95\xAA= 0\r\n"
              "BGM\xD8\xCB\xDF\xB0\xC4= 4\r\n"
              "BGM\xCC\xA7\xB2\xD9=C:\\Music\\a.mp3\r\n"
              "\x89\xE6\x96\xCA= 1\r\n"
              "\x8B\x40\x91\xCC= 0\r\n"
              "\x8B\xF3= 1\r\n"
              "\x8C\x69\x90\x46= 0\r\n"
              "\x8C\x69\x90\x46\xCC\xA7\xB2\xD9=\r\n"
              "\x8E\x9E\x8C\x76= 1\r\n");

    RecordingStore recorder;
    SettingsDialogForm cancelled;
    LoadSettingsDialog(cancelled, settings);
    ChooseMusicKind(cancelled, settings, MusicKind::kCd);
    CancelSettings(cancelled);
    EXPECT_TRUE(cancelled.closed);
    EXPECT_TRUE(recorder.saved.empty());

    // A store that fails leaves the dialog open.
    recorder.succeed = false;
    SettingsDialogForm failing;
    EXPECT_FALSE(ConfirmSettings(failing, settings, recorder));
    EXPECT_FALSE(failing.closed);
    EXPECT_EQ(recorder.saved.size(), 1u);
}

// Records the keeper's calls; the calls named in FAILING fail.
class RecordingKeeper final : public KeeperSwitch {
  public:
    explicit RecordingKeeper(std::vector<std::string> failing) : failing_(std::move(failing)) {}
    std::vector<std::string> calls;
    bool FolderIsPrivate(std::string& why) override {
        why = "C:\\Tools: BUILTIN\\Users";
        return Call("folder");
    }
    bool SetAtSignIn(bool on) override { return Call(on ? "entry on" : "entry off"); }
    bool Start() override { return Call("start"); }
    bool End() override { return Call("end"); }

  private:
    bool Call(const std::string& call) {
        calls.push_back(call);
        return std::find(failing_.begin(), failing_.end(), call) == failing_.end();
    }
    std::vector<std::string> failing_;
};

TEST(SettingsDialog, TheKeepersBoxUndoesTheHalfThatWorkedAndNamesTheOneThatFailed) {
    using C = KeeperChange;
    using F = KeeperFailure;
    const struct Row {
        C change;
        const char* fails;
        std::vector<std::string> calls;
        F failed;
    } rows[] = {
        {C::kNone, "", {}, F::kNone},
        {C::kStartAtSignIn, "", {"folder", "entry on", "start"}, F::kNone},
        {C::kEnd, "", {"entry off", "end"}, F::kNone},
        // The entry refused: the keeper is left as it runs.
        // A folder others may change: nothing registered, nothing started.
        {C::kStartAtSignIn, "folder", {"folder"}, F::kFolderOpenToOthers},
        {C::kStartAtSignIn, "entry on", {"folder", "entry on"}, F::kSignInEntry},
        {C::kEnd, "entry off", {"entry off"}, F::kSignInEntry},
        // The keeper refused: the entry goes back to what it was.
        {C::kStartAtSignIn, "start", {"folder", "entry on", "start", "entry off"}, F::kStart},
        {C::kEnd, "end", {"entry off", "end", "entry on"}, F::kEnd},
    };
    for (const Row& row : rows) {
        RecordingKeeper keeper({row.fails});
        const KeeperOutcome outcome = ApplyKeeperChange(row.change, keeper);
        EXPECT_EQ(keeper.calls, row.calls) << row.fails;
        EXPECT_EQ(outcome.failed, row.failed) << row.fails;
        EXPECT_TRUE(outcome.undone) << row.fails;
        EXPECT_EQ(KeeperFailureMessage(outcome, UiLanguage::kJapanese).empty(),
                  row.failed == F::kNone)
            << row.fails;
    }
    // The start failed and so did the undo: the message says the entry stayed.
    RecordingKeeper stubborn({"start", "entry off"});
    const KeeperOutcome stuck = ApplyKeeperChange(C::kStartAtSignIn, stubborn);
    EXPECT_EQ(stuck.failed, F::kStart);
    EXPECT_FALSE(stuck.undone);
    const std::string japanese = KeeperFailureMessage(stuck, UiLanguage::kJapanese);
    EXPECT_NE(japanese.find(u8"起動できませんでした"), std::string::npos);
    EXPECT_NE(japanese.find(u8"元に戻せませんでした"), std::string::npos);
    const std::string english = KeeperFailureMessage(stuck, UiLanguage::kEnglish);
    EXPECT_NE(english.find("could not be started"), std::string::npos) << english;
    EXPECT_NE(english.find("could not be put back either"), std::string::npos) << english;
}

}  // namespace
}  // namespace altostrat
