// The saver run's order of platform and music calls, recorded through fakes into one log. The
// expected logs follow the documented order of the saver form (capture files 2, 1, 3; music;
// renderer; watch) and Windows' published MCI command strings, written out here by hand.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/agreement.h"
#include "host/saver_run.h"

namespace altostrat {
namespace {

const std::string kRenderer = u8"start C:\\Saver\\アルトストラト.dll";

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
    std::string rendererArguments;
    std::uint64_t now = 5000;
    int cursorCount = -1;  // after the start-up's hide
    bool ended = false;

    void CaptureScreen(const std::string& path) override { log_.Add("capture " + path); }
    void WriteBuiltInPicture(BuiltInPicture picture, const std::string& path) override {
        log_.Add(std::string(picture == BuiltInPicture::kSky ? "sky " : "glow ") + path);
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
    void RemoveFile(const std::string& path) override { log_.Add("delete " + path); }
    bool RendererRunning() override { return running; }
    std::uint64_t Milliseconds() override { return now; }
    void SetTimerEnabled(SaverTimer timer, bool enabled) override {
        log_.Add(std::string(enabled ? "enable " : "disable ") +
                 (timer == SaverTimer::kTimer1   ? "Timer1"
                  : timer == SaverTimer::kTimer2 ? "Timer2"
                                                 : "Timer3"));
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
    HostState host;
    SaverRun run{host, platform, mci};

    explicit Fixture(const char* arguments = "/s") {
        host.arguments = arguments;
        host.programFolder = "C:\\Saver";
        host.cursorHidden = host.arguments.size() >= 2;  // as the start-up leaves it for /s
    }
    // Ticks of the watch, 100 ms apart, until the run ends; gives how many it took (or limit+1).
    int TicksUntilEnd(int limit) {
        for (int tick = 1; tick <= limit; ++tick) {
            Timer3Timer(run);
            if (platform.ended) {
                return tick;
            }
            platform.now += kTimer3Interval;
        }
        return limit + 1;
    }
};

const std::vector<std::string> kLoadStart = {
    "capture C:\\t_wisp\\Altostrat2.bmp",
    "sky C:\\t_wisp\\Altostrat1.bmp",
    "glow C:\\t_wisp\\Altostrat3.bmp",
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

const std::string kDeleteDesktop = "delete C:\\t_wisp\\Altostrat2.bmp";

// How many times the run deleted the desktop's picture, and whether it ended.
int DesktopDeletions(const Fixture& f) {
    EXPECT_TRUE(f.platform.ended);
    int count = 0;
    for (const std::string& line : f.log.lines) {
        EXPECT_EQ(line.rfind("delete ", 0) == 0, line == kDeleteDesktop) << line;
        count += line == kDeleteDesktop ? 1 : 0;
    }
    return count;
}

TEST(SaverRunTest, TheDesktopsPictureGoesOnlyWithTheRenderer) {
    {  // Escape: the window came and went; the picture goes just before the end.
        Fixture f;
        SaverFormLoad(f.run);
        f.platform.window = true;
        Timer3Timer(f.run);
        f.platform.window = false;
        Timer3Timer(f.run);
        EXPECT_EQ(DesktopDeletions(f), 1);
        EXPECT_EQ(f.log.lines.end()[-2], kDeleteDesktop);
    }
    {  // The renderer's process ended without a window, or never started.
        Fixture f;
        SaverFormLoad(f.run);
        f.platform.running = false;
        Timer3Timer(f.run);
        EXPECT_EQ(DesktopDeletions(f), 1);
        Fixture g;
        g.platform.startSucceeds = false;
        g.platform.running = false;
        SaverFormLoad(g.run);
        Timer3Timer(g.run);
        EXPECT_EQ(DesktopDeletions(g), 1);
    }
    {  // The patience ran out with the renderer still loading: it may yet read its picture.
        Fixture f;
        SaverFormLoad(f.run);
        EXPECT_EQ(f.TicksUntilEnd(301), 301);
        EXPECT_EQ(DesktopDeletions(f), 0);
    }
    {  // The session ends while the flight is shown.
        Fixture f;
        SaverFormLoad(f.run);
        f.platform.window = true;
        Timer3Timer(f.run);
        SaverFormQueryUnload(f.run);
        EXPECT_EQ(DesktopDeletions(f), 0);
    }
}

TEST(SaverRunTest, TheRendererGetsTheChoicesAndTheForeground) {
    {  // The renderer's own reader finds both choices in what it is started with.
        Fixture f;
        f.host.settings.ScreenChoice = 1;
        f.host.settings.AircraftShown = 0;
        SaverFormLoad(f.run);
        const RendererOptions options = ParseRendererArguments(f.platform.rendererArguments);
        EXPECT_TRUE(options.acrossAllMonitors);
        EXPECT_FALSE(options.aircraftShown);
    }
    {  // The settings' defaults start it with no arguments at all.
        Fixture f;
        SaverFormLoad(f.run);
        EXPECT_EQ(f.log.lines[3], kRenderer);
    }
    {  // Another window has the foreground when the flight's first appears: handed over once.
        Fixture f;
        SaverFormLoad(f.run);
        f.platform.foregroundElsewhere = true;
        Timer3Timer(f.run);  // no window yet: nothing to hand over to
        f.platform.window = true;
        Timer3Timer(f.run);
        f.platform.foregroundElsewhere = true;  // the user chose another window: left alone
        Timer3Timer(f.run);
        const std::vector<std::string> tail(f.log.lines.end() - 2, f.log.lines.end());
        EXPECT_EQ(tail, (std::vector<std::string>{"enable Timer3", "foreground to the renderer"}));
    }
    {  // The flight's window has the foreground already: nothing is done.
        Fixture f;
        SaverFormLoad(f.run);
        f.platform.window = true;
        Timer3Timer(f.run);
        EXPECT_EQ(f.log.lines.back(), "enable Timer3");
    }
}

TEST(SaverRunTest, AnMp3RunInOrderFromLoadToCleanUp) {
    Fixture f;
    f.host.settings.BgmKind = 2;
    f.host.settings.BgmFile = "D:\\My Music\\song.Mp3";
    SaverFormLoad(f.run);
    f.platform.window = true;
    Timer3Timer(f.run);
    Timer1Timer(f.run);  // still playing: nothing to do but ask
    f.mci.mp3Mode = "stopped";
    Timer1Timer(f.run);  // ended: played again from the start
    f.platform.window = false;
    Timer3Timer(f.run);
    Timer3Timer(f.run);           // the run has ended; a late tick does nothing
    SaverFormQueryUnload(f.run);  // nor does a second unload

    std::vector<std::string> expected = kLoadStart;
    expected.insert(expected.end(),
                    {
                        "mci open \"D:\\My Music\\song.Mp3\" type MPEGVideo Alias MP3Play",
                        "mci play MP3Play",
                        "enable Timer1",
                        kRenderer,
                        "enable Timer3",
                        "mci status MP3Play mode",
                        "mci status MP3Play mode",
                        "mci stop MP3Play",
                        "mci play MP3Play from 0",
                        "disable Timer3",
                        "disable Timer1",
                        "mci stop MP3Play",
                        "mci close MP3Play",
                        "show cursor",
                        "delete C:\\t_wisp\\Altostrat2.bmp",
                        "end",
                    });
    EXPECT_EQ(f.log.lines, expected);
    EXPECT_EQ(f.host.SavedCursorCount, 0);
}

TEST(SaverRunTest, WaveAndCdRunsAndTheCursorOnlyWhenItWasHidden) {
    {  // A WAV loops until the clean-up; empty arguments never hid the cursor.
        Fixture f("");
        f.host.settings.BgmKind = 2;
        f.host.settings.BgmFile = "C:\\a.wav";
        SaverFormLoad(f.run);
        SaverFormQueryUnload(f.run);  // the session ends
        std::vector<std::string> expected = kLoadStart;
        expected.insert(expected.end(),
                        {"sound C:\\a.wav loop", kRenderer, "enable Timer3", "sound ", "end"});
        EXPECT_EQ(f.log.lines, expected);
    }
    {  // A file that is neither WAV nor MP3 plays nothing and stops nothing.
        Fixture f;
        f.host.settings.BgmKind = 2;
        f.host.settings.BgmFile = "C:\\a.mpeg";
        SaverFormLoad(f.run);
        SaverFormQueryUnload(f.run);
        std::vector<std::string> expected = kLoadStart;
        expected.insert(expected.end(), {kRenderer, "enable Timer3", "show cursor", "end"});
        EXPECT_EQ(f.log.lines, expected);
    }
    {  // The CD: polled while active; stopped at the end only while the poll still runs.
        Fixture f;
        f.host.settings.BgmKind = 1;
        SaverFormLoad(f.run);
        Timer2Timer(f.run);
        EXPECT_TRUE(f.run.Timer2Enabled);
        SaverFormQueryUnload(f.run);
        const std::vector<std::string> tail(f.log.lines.end() - 5, f.log.lines.end());
        EXPECT_EQ(tail, (std::vector<std::string>{"disable Timer2", "mci stop cdaudio",
                                                  "mci close cdaudio", "show cursor", "end"}));
        EXPECT_EQ(f.log.lines[3], "mci open cdaudio");
        EXPECT_EQ(f.log.lines[5], "enable Timer2");
    }
    {
        Fixture f;
        f.host.settings.BgmKind = 1;
        f.mci.cdReply = "error";  // no disc: the poll ends itself
        SaverFormLoad(f.run);
        Timer2Timer(f.run);
        EXPECT_FALSE(f.run.Timer2Enabled);
        EXPECT_EQ(f.log.lines.back(), "disable Timer2");
        SaverFormQueryUnload(f.run);
        const std::vector<std::string> tail(f.log.lines.end() - 2, f.log.lines.end());
        EXPECT_EQ(tail, (std::vector<std::string>{"show cursor", "end"}));
    }
}

}  // namespace
}  // namespace altostrat
