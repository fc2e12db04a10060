// The host's Windows layer, run for real under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/win32/wide_text.h"
#include "host/run_folder/win32/win32_run_folder.h"
#include "host/startup/host_main.h"
#include "host/startup/win32/win32_host_platform.h"
#include "host/tests/test_folder.h"
#include "host/tests/win32/test_window.h"
#include "host/text/paths.h"
#include "host/text/win32/program_folder.h"

namespace altostrat {
namespace {

using testing::TestFolder;
using testing::TestWindow;

TEST(WideText, ConvertsJapaneseBothWays) {
    EXPECT_EQ(Wide(u8"<アルトストラト>"), L"<アルトストラト>");
    EXPECT_EQ(Narrow(L"C:\\音楽\\ﾘﾋﾟｰﾄ.mp3"), u8"C:\\音楽\\ﾘﾋﾟｰﾄ.mp3");
}

// Windows of this very process, hidden or shown, by class and whole title; a window of the
// title alone, of another class, is not ours. (Another program's window of our class and title
// is the Wine scenario host_squatted_names.)
TEST(Win32HostPlatform, FindsOurHiddenAndShownWindowsByClassAndTitleNeverByTitleAlone) {
    constexpr char kTestClass[] = "AltostratHostTestWindow";  // test_window.cpp's
    Win32HostPlatform platform;
    EXPECT_FALSE(platform.WindowExists(kTestClass, kSettingsDialogTitle));
    {
        TestWindow hidden(L"<アルトストラト>", false);
        ASSERT_NE(hidden.handle(), nullptr);
        EXPECT_TRUE(platform.WindowExists(kTestClass, kSettingsDialogTitle));
        EXPECT_FALSE(platform.WindowExists(kSettingsDialogClass, kSettingsDialogTitle));
        EXPECT_FALSE(platform.WindowExists(kTestClass, kSaverFormTitle));
    }
    EXPECT_FALSE(platform.WindowExists(kTestClass, kSettingsDialogTitle));
    TestWindow shown(L"Altostrat_Main", true);
    EXPECT_TRUE(platform.WindowExists(kTestClass, kSaverFormTitle));
    EXPECT_FALSE(platform.WindowExists(kSaverFormClass, kSaverFormTitle));
    EXPECT_FALSE(platform.WindowExists(kTestClass, "Altostrat_Mai"));  // the whole title
}

TEST(Win32HostPlatform, LoadsTheIniBesideTheProgram) {
    TestFolder folder;
    Win32HostPlatform platform;
    folder.Write(u8"アルトストラト.ini", "[Section]\r\nBGM\x8B\xE6\x95\xAA=1\r\n");
    HostState state;
    state.programFolder = folder.path();
    platform.LoadSettings(state);
    EXPECT_EQ(state.settings.BgmKind, MusicKind::kCd);
    EXPECT_EQ(state.settings.BgmFolder, folder.path());
}

// The run folder's platform over a test folder standing in for the user's temporary folder.
class RunFilesIn final : public Win32RunFolderPlatform {
  public:
    explicit RunFilesIn(const TestFolder& folder) : temporary_(folder.path() + "\\") {}
    std::string TemporaryFolder() override { return temporary_; }

  private:
    std::string temporary_;
};

// What the sweep relies on, as Windows itself does it: a lock held open by a running host
// cannot be deleted by another's sweep, one let go can; a picture is never written over a file
// that exists.
TEST(Win32RunFolderPlatform, TheLockKeepsALiveRunFromTheSweepAndPicturesAreOnlyEverNewFiles) {
    TestFolder temporary;
    RunFilesIn running(temporary);
    const RunFolder folder = MakeRunFolder(running);
    ASSERT_TRUE(folder.made);
    const std::string name = folder.path.substr(temporary.path().size() + 1);
    const std::string picture = RunFolderFile(folder, "Altostrat2.bmp");
    EXPECT_TRUE(WriteNewFile(picture, "new", 3));
    EXPECT_FALSE(WriteNewFile(picture, "over", 4));
    EXPECT_EQ(temporary.Read(name + "\\Altostrat2.bmp"), "new");

    RunFilesIn nextStart(temporary);
    SweepRunFolders(nextStart);
    EXPECT_TRUE(temporary.Exists(name + "\\Altostrat2.bmp"));
    // The run's process dies without its clean-up: Windows lets the lock go.
    running.ReleaseLock();
    SweepRunFolders(nextStart);
    EXPECT_EQ(temporary.Listing(), "");
}

TEST(ProgramFolder, IsTheTestProgramsFolderWithoutATrailingBackslash) {
    const std::string folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\');
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    EXPECT_EQ(folder + "\\" + Narrow(wcsrchr(path, L'\\') + 1), Narrow(path));

    // The forms the command line may begin with: the module's path first, and each one the same
    // file as Windows' own long form of it tells.
    const std::vector<std::string> forms = ProgramPathForms();
    ASSERT_FALSE(forms.empty());
    EXPECT_EQ(forms.front(), Narrow(path));
    wchar_t longPath[MAX_PATH];
    ASSERT_NE(GetLongPathNameW(path, longPath, MAX_PATH), 0u);
    for (const std::string& form : forms) {
        wchar_t formLong[MAX_PATH];
        ASSERT_NE(GetLongPathNameW(Wide(form).c_str(), formLong, MAX_PATH), 0u) << form;
        EXPECT_EQ(_wcsicmp(formLong, longPath), 0) << form;
    }
}

TEST(Win32HostPlatform, CursorHideIsUndoneByTheRestore) {
    // Windows tells the display count only by changing it: one step up and back down.
    const auto displayCount = [] {
        const int count = ShowCursor(TRUE) - 1;
        ShowCursor(FALSE);
        return count;
    };
    Win32HostPlatform platform;
    HostState state;
    const int before = displayCount();
    HideCursorForSaver(state, platform);
    EXPECT_EQ(displayCount(), before - 1);
    RestoreCursor(state, platform);
    EXPECT_EQ(displayCount(), before);
}

}  // namespace
}  // namespace altostrat
