#pragma once
// The saver form's run, from its load to its clean-up: the run's picture folder and the pictures
// in their order, the music by its kind, the renderer's start, the three timers and the watch on
// the renderer.
//
// The watch. The renderer's window appears only after its display-mode switch, which may take
// seconds, so a missing window on the first ticks does not mean the renderer has ended. The run
// ends when the window has been seen and is gone again, or when the renderer's process has
// ended (with or without a window; also when it could not be started at all). If the process
// still runs but no window has appeared 30 s after the start, the run ends and the renderer is
// left alone. The watch is a state checked on each tick, never a wait.
//
// When the watch first sees the renderer's window and another window has the foreground (the
// user clicked elsewhere during the start, or the launch lost the race for it), the host hands
// the foreground over, so the keyboard (Escape) reaches the flight.
//
// The pictures live in a folder of this run's own (run_folder.h), passed to the renderer on its
// command line. The renderer is started whether or not the folder and the pictures could be
// made: it flies all the same and draws plain what it cannot read.
//
// The watch and the foreground look only at windows of the renderer's process this run started:
// a renderer left over from an earlier run, or another program's window of the same title, is
// not this run's flight, and its end does not end this run.
//
// The clean-up runs once, whichever way the run ends (the watch, a close request, the end of
// the session): the CD, the music file, the cursor, the run's folder, then the end of the
// program. The renderer reads the pictures only at its start, so the folder goes once the
// renderer has ended (its window seen and gone, or its process ended or never started). A
// renderer still running when the host gives up on it (the 30 s patience ran out, or a close
// request) keeps its folder, which the next start's sweep removes. When Windows ends the
// session, everything ends, the flight included: the folder goes at once. Windows first asks
// whether the session may end, and another program may refuse: only the end itself cleans up.
//
// Music and the display. While the display is powered down nobody hears the music either, and an
// open audio stream keeps Windows from sleeping (a paused device keeps its stream): the MP3 and
// the CD are closed at their place and a WAV is stopped; when the display is back they are opened
// again at that place (music_sleep.cpp) and the WAV starts again. The MP3 restart and the CD poll
// rest meanwhile, or they would start the music again.

#include <cstdint>
#include <string>
#include <string_view>

#include "common/display_power.h"
#include "host/ground/desktop_source.h"
#include "host/host_state.h"
#include "host/music/mci_sender.h"
#include "host/music/music.h"
#include "host/run_folder/run_folder.h"

namespace altostrat {

// The run's three timers: the restart of an MP3 that has ended, the CD's poll, the watch on the
// renderer.
enum class SaverTimer { kMp3Restart, kCdPoll, kRendererWatch };

// Their intervals, milliseconds.
inline constexpr std::uint32_t kMp3RestartInterval = 1000;
inline constexpr std::uint32_t kCdPollInterval = 200;
inline constexpr std::uint32_t kRendererWatchInterval = 100;
// How long the watch waits for the renderer's first window while its process runs.
inline constexpr std::uint64_t kRendererWindowPatience = 30000;

enum class BuiltInPicture { kSky, kGlow };

class SaverPlatform {
  public:
    virtual ~SaverPlatform() = default;
    // Writes the ground picture REQUEST asks for (desktop_source.h: the user's picture, the
    // screen's photograph 1:1, the keeper's, the wallpaper or the built-in ground) as a new
    // bitmap file at path (never opening a file that exists); false when the file could not be
    // written whole, and then nothing of it is left.
    virtual bool WriteDesktopPicture(const DesktopRequest& request, const std::string& path) = 0;
    // Writes one of the host's own pictures the same way.
    virtual bool WriteBuiltInPicture(BuiltInPicture picture, const std::string& path) = 0;
    // Starts the program at path with these arguments ("" for none) and a normal window that
    // may take the foreground; false when no process was started. The process is remembered for
    // the watch.
    virtual bool StartRenderer(const std::string& path, const std::string& arguments) = 0;
    // A top-level window titled "Altostrat_VC" of the process StartRenderer started exists.
    virtual bool RendererWindowExists() = 0;
    // A window other than that one has the foreground.
    virtual bool AnotherWindowHasForeground() = 0;
    // Makes that window the foreground window.
    virtual void GiveRendererTheForeground() = 0;
    // The process StartRenderer started has not ended.
    virtual bool RendererRunning() = 0;
    // A steady clock, milliseconds.
    virtual std::uint64_t Milliseconds() = 0;
    virtual void SetTimerEnabled(SaverTimer timer, bool enabled) = 0;
    // Shows (true) or hides the mouse cursor; gives the new display count.
    virtual int ShowCursor(bool show) = 0;
    // Ends the program once the current event has returned.
    virtual void EndProgram() = 0;
};

struct SaverRun {
    SaverRun(HostState& host, SaverPlatform& platform, RunFolderPlatform& files, MciSender& mci)
        : host(host), platform(platform), files(files), mci(mci) {}

    HostState& host;
    SaverPlatform& platform;
    RunFolderPlatform& files;
    MciSender& mci;
    MusicState music;
    RunFolder folder;

    bool cdPolling = false;  // the CD's poll is on: the CD plays, or is closed with the display
    bool rendererStarted = false;
    bool rendererWindowSeen = false;
    std::uint64_t rendererStartedAt = 0;
    bool sessionEnding = false;  // Windows is ending the session
    DisplayPower display = DisplayPower::kOn;
    bool ended = false;  // the clean-up has run
};

// "WAV", "MP3", ...: the last three characters of the music file's name, upper-cased.
std::string MusicFileType(std::string_view bgmFile);

// Form_Load: the folder and the pictures, the music, the renderer's start, the watch armed.
void SaverFormLoad(SaverRun& run);
// Restarts an MP3 that has ended.
void Mp3RestartTick(SaverRun& run);
// Polls the CD; the poll stays on while the CD is active.
void CdPollTick(SaverRun& run);
// The renderer watch; runs the clean-up when the run is over.
void RendererWatchTick(SaverRun& run);
// Form_QueryUnload: the clean-up. Runs once; later calls do nothing.
void SaverFormQueryUnload(SaverRun& run);
// What Windows says of the session's end: it asks whether the session may end (any program may
// still refuse), then tells that it ends or that it goes on after all.
enum class SessionNotice { kAsked, kEnding, kGoesOn };
// Only the real end cleans up (the run's folder included, whatever the renderer does); a
// question, or a refused end, leaves the run as it was.
void SaverSessionNotice(SaverRun& run, SessionNotice notice);
// The display went off or came back on: the music pauses or goes on.
void SaverDisplayPower(SaverRun& run, DisplayPower power);

}  // namespace altostrat
