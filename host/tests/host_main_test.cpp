#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/startup/host_main.h"
#include "host/text/paths.h"

namespace altostrat {
namespace {

// Records every platform step in order.
class RecordingPlatform : public HostPlatform {
  public:
    std::vector<std::string> calls;
    std::vector<std::string> existingWindows;
    int cursorCount = 0;
    int exitCode = 0;

    // A window is named "CLASS TITLE".
    bool WindowExists(std::string_view className, std::string_view title) override {
        const std::string name = std::string(className) + " " + std::string(title);
        calls.push_back("find " + name);
        for (const std::string& window : existingWindows) {
            if (window == name) {
                return true;
            }
        }
        return false;
    }
    void SweepRunFolders() override { calls.push_back("sweep"); }
    void LoadSettings(HostState&) override { calls.push_back("load"); }
    int ShowCursor(bool show) override {
        cursorCount += show ? 1 : -1;
        calls.push_back(show ? "show" : "hide");
        return cursorCount;
    }
    int RunPreview(HostState& state) override {
        calls.push_back("preview " + std::to_string(state.PreviewParent));
        return exitCode;
    }
    int RunSettingsDialog(HostState&) override {
        calls.push_back("dialog");
        return exitCode;
    }
    int RunSaver(HostState& state) override {
        calls.push_back(state.cursorHidden ? "saver (cursor hidden)" : "saver");
        return exitCode;
    }
};

const std::string kFindSaver = "find AltostratSaverForm Altostrat_Main";
const std::string kFindDialog = u8"find AltostratSettings <アルトストラト>";
const std::string kFindEnglishDialog = "find AltostratSettings <Altostrat>";
const std::string kSweep = "sweep";

std::vector<std::string> RunMain(const char* arguments, RecordingPlatform& platform) {
    HostState state;
    state.arguments = arguments;
    Main(state, platform);
    return platform.calls;
}

using Calls = std::vector<std::string>;

TEST(Main, EachModeMakesItsStepsInOrder) {
    RecordingPlatform saver;
    EXPECT_EQ(RunMain("/s", saver), (Calls{kFindSaver, kFindDialog, kFindEnglishDialog, kSweep,
                                           "load", "hide", "saver (cursor hidden)", "show"}));
    EXPECT_EQ(saver.cursorCount, 0);

    RecordingPlatform opened;
    EXPECT_EQ(RunMain("", opened),
              (Calls{kFindSaver, kFindDialog, kFindEnglishDialog, kSweep, "load", "dialog"}));

    RecordingPlatform preview;
    EXPECT_EQ(RunMain("/p 1234", preview),
              (Calls{kFindSaver, kFindDialog, kFindEnglishDialog, "preview 1234"}));

    RecordingPlatform settings;
    EXPECT_EQ(RunMain("/c:99", settings),
              (Calls{kFindSaver, kFindDialog, kFindEnglishDialog, kSweep, "load", "dialog"}));

    for (const char* other : {"/a", "s", "/x 5"}) {
        RecordingPlatform platform;
        EXPECT_EQ(RunMain(other, platform),
                  (Calls{kFindSaver, kFindDialog, kFindEnglishDialog, kSweep, "load"}))
            << other;
    }
}

TEST(Main, AnotherInstanceEndsEveryModeAfterBothLookUps) {
    for (const char* title :
         {"AltostratSaverForm Altostrat_Main", u8"AltostratSettings <アルトストラト>",
          "AltostratSettings <Altostrat>"}) {
        for (const char* arguments : {"/s", "/p 1234", "/c", "", "/a"}) {
            RecordingPlatform platform;
            platform.existingWindows = {title};
            EXPECT_EQ(RunMain(arguments, platform),
                      (Calls{kFindSaver, kFindDialog, kFindEnglishDialog}))
                << title << " " << arguments;
        }
    }
    // The preview window's own title does not block.
    RecordingPlatform platform;
    platform.existingWindows = {"AltostratPreviewForm Preview Window"};
    EXPECT_EQ(RunMain("/p 5", platform).back(), "preview 5");
}

TEST(Main, TheModeExitCodeIsTheProgramsAndTheCursorIsBackAfterAnySaverEnd) {
    RecordingPlatform platform;
    platform.exitCode = 3;
    HostState state;
    state.arguments = "/s";
    EXPECT_EQ(Main(state, platform), 3);
    EXPECT_FALSE(state.cursorHidden);
    EXPECT_EQ(platform.cursorCount, 0);

    // A saver end that restored the cursor itself is not followed by a second show.
    struct SelfRestoring : RecordingPlatform {
        int RunSaver(HostState& state) override {
            RestoreCursor(state, *this);
            return 0;
        }
    } restoring;
    HostState second;
    second.arguments = "/s";
    Main(second, restoring);
    EXPECT_EQ(restoring.calls,
              (Calls{kFindSaver, kFindDialog, kFindEnglishDialog, kSweep, "load", "hide", "show"}));
}

TEST(RestoreCursor, ShowsOnlyWhatWasHiddenAndAlwaysAsAShowRequest) {
    RecordingPlatform platform;
    HostState state;
    RestoreCursor(state, platform);
    EXPECT_TRUE(platform.calls.empty());

    // A display count of 0 after the hide must still be followed by a show, not a second hide.
    platform.cursorCount = 1;
    HideCursorForSaver(state, platform);
    EXPECT_EQ(platform.cursorCount, 0);
    RestoreCursor(state, platform);
    RestoreCursor(state, platform);
    EXPECT_EQ(platform.calls, (Calls{"hide", "show"}));
    EXPECT_EQ(platform.cursorCount, 1);
}

}  // namespace
}  // namespace altostrat
