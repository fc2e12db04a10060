// The saver run's order of platform, file and music calls, recorded through fakes into one log.
// The expected logs follow the documented order of the saver form (the run's folder and its
// lock; capture files 2, 1, 3; music; renderer; watch) and Windows' published MCI command
// strings, written out here by hand.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/agreement.h"
#include "host/saver_run/saver_run.h"
#include "host/tests/fake_run_files.h"

namespace altostrat {
namespace {

const std::string kFolder = "C:\\Users\\u\\AppData\\Local\\Temp\\Altostrat-77-0";
const std::string kRenderer = u8"start C:\\Saver\\アルトストラト.dll /folder \"" + kFolder + "\"";

class Log {
  public:
    std::vector<std::string> lines;
    void Add(std::string line) { lines.push_back(std::move(line)); }
};

class FakeMci final : public MciSender {
  public:
    explicit FakeMci(Log& log) : log_(log) {}
    std::string mp3Mode = "playing";
    std::string cdReply = "1";  // the answer to every CD status query
    std::int32_t SendString(std::string_view command, std::string* reply,
                            std::size_t capacity) override {
        log_.Add("mci " + std::string(command));
        if (reply != nullptr && capacity > 0) {
            *reply = command.find("MP3Play mode") != std::string_view::npos ? mp3Mode : cdReply;
        }
        return 0;
    }
    bool ErrorString(std::int32_t, std::string& text, std::size_t) override {
        text.clear();
        return false;
    }
    bool PlaySound(std::string_view name, std::uint32_t flags) override {
        log_.Add("sound " + std::string(name) + (flags == 0 ? "" : " loop"));
        return true;
    }
    std::uint32_t WaveDeviceCount() override { return 1; }

  private:
    Log& log_;
};

class FakePlatform final : public SaverPlatform {
  public:
    explicit FakePlatform(Log& log) : log_(log) {}
    bool startSucceeds = true;
    bool window = false;
    bool running = true;
    bool foregroundElsewhere = false;
    bool captureFails = false;
    testing::FakeRunFiles* files = nullptr;  // where the pictures are written
    std::string rendererArguments;
    std::uint64_t now = 5000;
    int cursorCount = -1;  // after the start-up's hide
    bool ended = false;

    bool capturedWhole = false;
    bool WriteDesktopPicture(const DesktopRequest& request, const std::string& path) override {
        capturedWhole = request.virtualScreen;
        log_.Add("capture " + path);
        return !captureFails && files->Write(path);
    }
    bool WriteBuiltInPicture(BuiltInPicture picture, const std::string& path) override {
        log_.Add(std::string(picture == BuiltInPicture::kSky ? "sky " : "glow ") + path);
        return files->Write(path);
    }
    bool StartRenderer(const std::string& path, const std::string& arguments) override {
        log_.Add("start " + path + (arguments.empty() ? "" : " " + arguments));
        rendererArguments = arguments;
        return startSucceeds;
    }
    bool RendererWindowExists() override { return window; }
    bool AnotherWindowHasForeground() override { return foregroundElsewhere; }
    void GiveRendererTheForeground() override {
        log_.Add("foreground to the renderer");
        foregroundElsewhere = false;
    }
    bool RendererRunning() override { return running; }
    std::uint64_t Milliseconds() override { return now; }
    void SetTimerEnabled(SaverTimer timer, bool enabled) override {
        log_.Add(std::string(enabled ? "enable " : "disable ") +
                 (timer == SaverTimer::kMp3Restart ? "MP3 restart"
                  : timer == SaverTimer::kCdPoll   ? "CD poll"
                                                   : "watch"));
    }
    int ShowCursor(bool show) override {
        cursorCount += show ? 1 : -1;
        log_.Add(show ? "show cursor" : "hide cursor");
        return cursorCount;
    }
    void EndProgram() override {
        log_.Add("end");
        ended = true;
    }

  private:
    Log& log_;
};

struct Fixture {
    Log log;
    FakeMci mci{log};
    FakePlatform platform{log};
    testing::FakeRunFiles files;
    HostState host;
    SaverRun run{host, platform, files, mci};

    explicit Fixture(const char* arguments = "/s") {
        files.log = &log.lines;
        platform.files = &files;
        host.arguments = arguments;
        host.programFolder = "C:\\Saver";
        host.cursorHidden = host.arguments.size() >= 2;  // as the start-up leaves it for /s
    }
    // Ticks of the watch, 100 ms apart, until the run ends; gives how many it took (or limit+1).
    int TicksUntilEnd(int limit) {
        for (int tick = 1; tick <= limit; ++tick) {
            RendererWatchTick(run);
            if (platform.ended) {
                return tick;
            }
            platform.now += kRendererWatchInterval;
        }
        return limit + 1;
    }
};

const std::vector<std::string> kLoadStart = {
    "mkdir " + kFolder,
    "lock " + kFolder + "\\Altostrat.lock",
    "capture " + kFolder + "\\Altostrat2.bmp",
    "sky " + kFolder + "\\Altostrat1.bmp",
    "glow " + kFolder + "\\Altostrat3.bmp",
};
// The clean-up's removal of the run's folder, once the renderer is done with it.
const std::vector<std::string> kFolderRemoved = {
    "delete " + kFolder + "\\Altostrat1.bmp", "delete " + kFolder + "\\Altostrat2.bmp",
    "delete " + kFolder + "\\Altostrat3.bmp", "unlock",
    "delete " + kFolder + "\\Altostrat.lock", "rmdir " + kFolder,
};

TEST(SaverRunTest, TheWatchWaitsForTheWindowAndEndsWhenItGoesOrTheProcessEnds) {
    {  // A slow display-mode switch: seconds without a window do not end the run.
        Fixture f;
        SaverFormLoad(f.run);
        EXPECT_EQ(f.TicksUntilEnd(50), 51);
        f.platform.window = true;
        EXPECT_EQ(f.TicksUntilEnd(20), 21);
        f.platform.window = false;  // the user pressed Escape
        EXPECT_EQ(f.TicksUntilEnd(5), 1);
        EXPECT_EQ(f.log.lines.back(), "end");
    }
    {  // The renderer ends before any window appeared (all capture files missing, say).
        Fixture f;
        SaverFormLoad(f.run);
        EXPECT_EQ(f.TicksUntilEnd(3), 4);
        f.platform.running = false;
        EXPECT_EQ(f.TicksUntilEnd(5), 1);
    }
    {  // The renderer file is missing: the first tick ends the run.
        Fixture f;
        f.platform.startSucceeds = false;
        f.platform.running = false;
        SaverFormLoad(f.run);
        EXPECT_EQ(f.TicksUntilEnd(5), 1);
    }
    {  // A renderer that runs on without ever showing its window is given 30 s, then left alone.
        Fixture f;
        SaverFormLoad(f.run);
        EXPECT_EQ(f.TicksUntilEnd(300), 301);
        EXPECT_EQ(f.platform.now - 5000, 30000u);
        EXPECT_EQ(f.TicksUntilEnd(5), 1);
        EXPECT_TRUE(f.platform.running);
    }
}

// The run has ended, and its folder is gone (true) or kept whole (false).
bool FolderRemoved(const Fixture& f) {
    EXPECT_TRUE(f.platform.ended);
    const bool gone = !f.files.Exists(kFolder);
    EXPECT_EQ(f.files.nodes.size(), gone ? 1u : 6u);  // the temporary folder; + folder, 4 files
    return gone;
}

TEST(SaverRunTest, TheRunsFolderGoesWithTheRendererOrWithTheSession) {
    {  // Escape: the window came and went; the folder goes just before the end.
        Fixture f;
        SaverFormLoad(f.run);
        f.platform.window = true;
        RendererWatchTick(f.run);
        f.platform.window = false;
        RendererWatchTick(f.run);
        EXPECT_TRUE(FolderRemoved(f));
        const std::vector<std::string> tail(f.log.lines.end() - 7, f.log.lines.end() - 1);
        EXPECT_EQ(tail, kFolderRemoved);
    }
    {  // The renderer's process ended without a window, or never started.
        Fixture f;
        SaverFormLoad(f.run);
        f.platform.running = false;
        RendererWatchTick(f.run);
        EXPECT_TRUE(FolderRemoved(f));
        Fixture g;
        g.platform.startSucceeds = false;
        g.platform.running = false;
        SaverFormLoad(g.run);
        RendererWatchTick(g.run);
        EXPECT_TRUE(FolderRemoved(g));
    }
    {  // The patience ran out with the renderer still loading: it may yet read its pictures.
        Fixture f;
        SaverFormLoad(f.run);
        EXPECT_EQ(f.TicksUntilEnd(301), 301);
        EXPECT_FALSE(FolderRemoved(f));
    }
    {  // A close request while the flight is shown leaves the renderer its pictures.
        Fixture f;
        SaverFormLoad(f.run);
        f.platform.window = true;
        RendererWatchTick(f.run);
        SaverFormQueryUnload(f.run);
        EXPECT_FALSE(FolderRemoved(f));
    }
    {  // The session ends while the flight is shown: nothing of the run stays.
        Fixture f;
        SaverFormLoad(f.run);
        f.platform.window = true;
        RendererWatchTick(f.run);
        SaverSessionNotice(f.run, SessionNotice::kAsked);
        SaverSessionNotice(f.run, SessionNotice::kEnding);
        EXPECT_TRUE(FolderRemoved(f));
        SaverSessionNotice(f.run, SessionNotice::kEnding);  // a second notice: nothing more
        EXPECT_EQ(f.log.lines.back(), "end");
    }
    {  // Another program refused the end: the run goes on as it was, music, folder and watch.
        Fixture f;
        f.host.settings.BgmKind = MusicKind::kCd;
        SaverFormLoad(f.run);
        f.platform.window = true;
        RendererWatchTick(f.run);
        const std::size_t before = f.log.lines.size();
        SaverSessionNotice(f.run, SessionNotice::kAsked);
        SaverSessionNotice(f.run, SessionNotice::kGoesOn);
        EXPECT_EQ(f.log.lines.size(), before);
        EXPECT_FALSE(f.platform.ended);
        EXPECT_TRUE(f.run.cdPolling);
        f.platform.window = false;  // the user ends the flight later: the usual end
        RendererWatchTick(f.run);
        EXPECT_TRUE(FolderRemoved(f));
    }
}

TEST(SaverRunTest, TheRendererFliesWhateverBecameOfThePictures) {
    {  // The capture could not be written: the other pictures are, and the renderer starts.
        Fixture f;
        f.platform.captureFails = true;
        SaverFormLoad(f.run);
        ASSERT_GE(f.log.lines.size(), 6u);
        EXPECT_EQ(f.log.lines[5], kRenderer);
        EXPECT_FALSE(f.files.Exists(kFolder + "\\Altostrat2.bmp"));
        EXPECT_TRUE(f.files.Exists(kFolder + "\\Altostrat3.bmp"));
    }
    {  // No temporary folder: no picture is written, and the renderer reads no folder there is.
        Fixture f;
        f.files.nodes.clear();
        SaverFormLoad(f.run);
        EXPECT_EQ(f.log.lines.size(), 2u);
        const RendererOptions options = ParseRendererArguments(f.platform.rendererArguments);
        EXPECT_NE(options.pictureFolder.find('*'), std::string::npos) << options.pictureFolder;
        EXPECT_EQ(f.log.lines[1], "enable watch");
        RendererWatchTick(f.run);
        f.platform.running = false;
        RendererWatchTick(f.run);
        EXPECT_EQ(f.log.lines.back(), "end");
    }
}

TEST(SaverRunTest, TheRendererGetsTheChoicesAndTheForeground) {
    {  // The renderer's own reader finds the choices and the folder in what it is started with.
        Fixture f;
        f.host.settings.Screen = ScreenChoice::kAcrossAll;
        f.host.settings.AircraftShown = false;
        f.host.settings.ClockShown = true;
        SaverFormLoad(f.run);
        const RendererOptions options = ParseRendererArguments(f.platform.rendererArguments);
        EXPECT_TRUE(options.acrossAllMonitors);
        EXPECT_FALSE(options.aircraftShown);
        EXPECT_TRUE(options.showClock);
        EXPECT_EQ(options.pictureFolder, kFolder);
    }
    {  // Each monitor its own flight: the renderer hears it, the photograph takes every monitor.
        Fixture f;
        f.host.settings.Screen = ScreenChoice::kEachMonitor;
        SaverFormLoad(f.run);
        const RendererOptions options = ParseRendererArguments(f.platform.rendererArguments);
        EXPECT_TRUE(options.eachMonitor);
        EXPECT_FALSE(options.acrossAllMonitors);
        EXPECT_TRUE(f.platform.capturedWhole);
    }
    {  // The settings' defaults start it with the folder alone.
        Fixture f;
        SaverFormLoad(f.run);
        EXPECT_EQ(f.log.lines[5], kRenderer);
    }
    {  // Another window has the foreground when the flight's first appears: handed over once.
        Fixture f;
        SaverFormLoad(f.run);
        f.platform.foregroundElsewhere = true;
        RendererWatchTick(f.run);  // no window yet: nothing to hand over to
        f.platform.window = true;
        RendererWatchTick(f.run);
        f.platform.foregroundElsewhere = true;  // the user chose another window: left alone
        RendererWatchTick(f.run);
        const std::vector<std::string> tail(f.log.lines.end() - 2, f.log.lines.end());
        EXPECT_EQ(tail, (std::vector<std::string>{"enable watch", "foreground to the renderer"}));
    }
    {  // The flight's window has the foreground already: nothing is done.
        Fixture f;
        SaverFormLoad(f.run);
        f.platform.window = true;
        RendererWatchTick(f.run);
        EXPECT_EQ(f.log.lines.back(), "enable watch");
    }
}

TEST(SaverRunTest, AnMp3RunInOrderFromLoadToCleanUp) {
    Fixture f;
    f.host.settings.BgmKind = MusicKind::kFile;
    f.host.settings.BgmFile = "D:\\My Music\\song.Mp3";
    SaverFormLoad(f.run);
    f.platform.window = true;
    RendererWatchTick(f.run);
    Mp3RestartTick(f.run);  // still playing: nothing to do but ask
    f.mci.mp3Mode = "stopped";
    Mp3RestartTick(f.run);  // ended: played again from the start
    f.platform.window = false;
    RendererWatchTick(f.run);
    RendererWatchTick(f.run);     // the run has ended; a late tick does nothing
    SaverFormQueryUnload(f.run);  // nor does a second unload

    std::vector<std::string> expected = kLoadStart;
    expected.insert(expected.end(),
                    {
                        "mci open \"D:\\My Music\\song.Mp3\" type MPEGVideo Alias MP3Play",
                        "mci play MP3Play",
                        "enable MP3 restart",
                        kRenderer,
                        "enable watch",
                        "mci status MP3Play mode",
                        "mci status MP3Play mode",
                        "mci stop MP3Play",
                        "mci play MP3Play from 0",
                        "disable watch",
                        "disable MP3 restart",
                        "mci stop MP3Play",
                        "mci close MP3Play",
                        "show cursor",
                    });
    expected.insert(expected.end(), kFolderRemoved.begin(), kFolderRemoved.end());
    expected.push_back("end");
    EXPECT_EQ(f.log.lines, expected);
    EXPECT_EQ(f.platform.cursorCount, 0);
}

TEST(SaverRunTest, WaveAndCdRunsAndTheCursorOnlyWhenItWasHidden) {
    {  // A WAV loops until the clean-up; empty arguments never hid the cursor.
        Fixture f("");
        f.host.settings.BgmKind = MusicKind::kFile;
        f.host.settings.BgmFile = "C:\\a.wav";
        SaverFormLoad(f.run);
        SaverFormQueryUnload(f.run);  // a close request while the renderer loads
        std::vector<std::string> expected = kLoadStart;
        expected.insert(expected.end(),
                        {"sound C:\\a.wav loop", kRenderer, "enable watch", "sound ", "end"});
        EXPECT_EQ(f.log.lines, expected);
    }
    {  // A file that is neither WAV nor MP3 plays nothing and stops nothing.
        Fixture f;
        f.host.settings.BgmKind = MusicKind::kFile;
        f.host.settings.BgmFile = "C:\\a.mpeg";
        SaverFormLoad(f.run);
        SaverFormQueryUnload(f.run);
        std::vector<std::string> expected = kLoadStart;
        expected.insert(expected.end(), {kRenderer, "enable watch", "show cursor", "end"});
        EXPECT_EQ(f.log.lines, expected);
    }
    {  // The CD: polled while active; stopped at the end only while the poll still runs.
        Fixture f;
        f.host.settings.BgmKind = MusicKind::kCd;
        SaverFormLoad(f.run);
        CdPollTick(f.run);
        EXPECT_TRUE(f.run.cdPolling);
        SaverFormQueryUnload(f.run);
        const std::vector<std::string> tail(f.log.lines.end() - 5, f.log.lines.end());
        EXPECT_EQ(tail, (std::vector<std::string>{"disable CD poll", "mci stop cdaudio",
                                                  "mci close cdaudio", "show cursor", "end"}));
        EXPECT_EQ(f.log.lines[5], "mci open cdaudio");
        EXPECT_EQ(f.log.lines[7], "enable CD poll");
    }
    {
        Fixture f;
        f.host.settings.BgmKind = MusicKind::kCd;
        f.mci.cdReply = "error";  // no disc: the poll ends itself
        SaverFormLoad(f.run);
        CdPollTick(f.run);
        EXPECT_FALSE(f.run.cdPolling);
        EXPECT_EQ(f.log.lines.back(), "disable CD poll");
        SaverFormQueryUnload(f.run);
        const std::vector<std::string> tail(f.log.lines.end() - 2, f.log.lines.end());
        EXPECT_EQ(tail, (std::vector<std::string>{"show cursor", "end"}));
    }
}

// With the display off nobody hears the music: the MP3 and the CD are closed (music_test.cpp
// shows them opened again at their place), the WAV stopped, and the MP3 restart and the CD poll
// rest meanwhile, since a closed device answers no mode.
TEST(SaverRunTest, TheMusicClosesWhileTheDisplayIsOff) {
    // tail: the lines the display's changes and the ticks between them added.
    const auto tail = [](const Fixture& f, std::size_t from) {
        return std::vector<std::string>(f.log.lines.begin() + static_cast<std::ptrdiff_t>(from),
                                        f.log.lines.end());
    };
    {
        Fixture f;
        f.host.settings.BgmKind = MusicKind::kFile;
        f.host.settings.BgmFile = "C:\\a.mp3";
        SaverFormLoad(f.run);
        const std::size_t from = f.log.lines.size();
        SaverDisplayPower(f.run, DisplayPower::kOff);
        f.mci.mp3Mode = "stopped";
        Mp3RestartTick(f.run);
        SaverDisplayPower(f.run, DisplayPower::kOff);  // told twice: once is enough
        SaverDisplayPower(f.run, DisplayPower::kOn);
        f.mci.mp3Mode = "playing";
        Mp3RestartTick(f.run);
        EXPECT_EQ(tail(f, from),
                  (std::vector<std::string>{
                      "mci set MP3Play time format milliseconds", "mci status MP3Play position",
                      "mci stop MP3Play", "mci close MP3Play",
                      "mci open \"C:\\a.mp3\" type MPEGVideo Alias MP3Play",
                      "mci set MP3Play time format milliseconds", "mci seek MP3Play to 1",
                      "mci play MP3Play", "mci status MP3Play mode"}));
    }
    {
        Fixture f;
        f.host.settings.BgmKind = MusicKind::kFile;
        f.host.settings.BgmFile = "C:\\a.WAV";
        SaverFormLoad(f.run);
        const std::size_t from = f.log.lines.size();
        SaverDisplayPower(f.run, DisplayPower::kOff);
        SaverDisplayPower(f.run, DisplayPower::kOn);
        EXPECT_EQ(tail(f, from), (std::vector<std::string>{"sound ", "sound C:\\a.WAV loop"}));
    }
    {
        Fixture f;
        f.host.settings.BgmKind = MusicKind::kCd;
        SaverFormLoad(f.run);
        const std::size_t from = f.log.lines.size();
        SaverDisplayPower(f.run, DisplayPower::kOff);
        CdPollTick(f.run);
        SaverDisplayPower(f.run, DisplayPower::kOn);
        EXPECT_EQ(tail(f, from),
                  (std::vector<std::string>{"mci status cdaudio position", "mci stop cdaudio",
                                            "mci close cdaudio", "mci open cdaudio",
                                            "mci set cdaudio time format tmsf",
                                            "mci seek cdaudio to 1", "mci play cdaudio"}));
        EXPECT_TRUE(f.run.cdPolling);
        // The poll ended (no disc): nothing is closed or played any more.
        f.mci.cdReply = "error";
        CdPollTick(f.run);
        const std::size_t later = f.log.lines.size();
        SaverDisplayPower(f.run, DisplayPower::kOff);
        SaverDisplayPower(f.run, DisplayPower::kOn);
        EXPECT_EQ(f.log.lines.size(), later);
    }
    {  // After the run, the display's changes start nothing.
        Fixture f;
        f.host.settings.BgmKind = MusicKind::kFile;
        f.host.settings.BgmFile = "C:\\a.mp3";
        SaverFormLoad(f.run);
        SaverDisplayPower(f.run, DisplayPower::kOff);
        SaverFormQueryUnload(f.run);
        const std::size_t later = f.log.lines.size();
        SaverDisplayPower(f.run, DisplayPower::kOn);
        EXPECT_EQ(f.log.lines.size(), later);
    }
}

}  // namespace
}  // namespace altostrat
