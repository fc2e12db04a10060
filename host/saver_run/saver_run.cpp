#include "host/saver_run/saver_run.h"

#include <cctype>

#include "common/agreement.h"

namespace altostrat {
namespace {

std::string PicturePath(const SaverRun& run, CapturePicture picture) {
    return CapturePicturePath(run.folder.path, picture);
}

bool PlaysFile(const SaverRun& run, const char* type) {
    const HostSettings& settings = run.host.settings;
    return settings.BgmKind == MusicKind::kFile && MusicFileType(settings.BgmFile) == type;
}

void SleepMusic(SaverRun& run) {
    if (run.cdPolling) {
        SleepCD(run.mci, run.music);
    }
    if (PlaysFile(run, "WAV")) {
        StopWave(run.mci);
    }
    if (PlaysFile(run, "MP3")) {
        SleepMP3(run.mci, run.music);
    }
}

void WakeMusic(SaverRun& run) {
    if (run.cdPolling) {
        WakeCD(run.mci, run.music);
    }
    if (PlaysFile(run, "WAV")) {
        PlayWave(run.mci, run.host.settings.BgmFile);
    }
    if (PlaysFile(run, "MP3")) {
        WakeMP3(run.mci, run.music, run.host.settings.BgmFile);
    }
}

void SetCdPoll(SaverRun& run, bool on) {
    run.cdPolling = on;
    run.platform.SetTimerEnabled(SaverTimer::kCdPoll, on);
}

// The renderer will not read its pictures any more: it never started, its process has ended, or
// its window has come and gone (it reads them only at its start, and a renderer whose window is
// gone is on its way out; a file still open would not be deleted by Windows anyway).
bool RendererEnded(SaverRun& run) {
    if (!run.rendererStarted || !run.platform.RendererRunning()) {
        return true;
    }
    return run.rendererWindowSeen && !run.platform.RendererWindowExists();
}

void EndRun(SaverRun& run) {
    run.platform.SetTimerEnabled(SaverTimer::kRendererWatch, false);
    SaverFormQueryUnload(run);
}

}  // namespace

std::string MusicFileType(std::string_view bgmFile) {
    std::string type(bgmFile.substr(bgmFile.size() < 3 ? 0 : bgmFile.size() - 3));
    for (char& c : type) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return type;
}

void SaverFormLoad(SaverRun& run) {
    run.folder = MakeRunFolder(run.files);
    if (run.folder.made) {
        // The screen first, while nothing of ours covers it; then the two fixed pictures. A
        // picture that fails is drawn plain by the renderer; the others are still written.
        const HostSettings& settings = run.host.settings;
        DesktopRequest request;
        request.virtualScreen = settings.Screen != ScreenChoice::kSwitchTo1024;
        request.ownPictureChosen =
            settings.SceneryKind == Scenery::kPicture && !settings.SceneryFile.empty();
        request.ownPicturePath = settings.SceneryFile;
        request.language = run.host.language;
        run.platform.WriteDesktopPicture(request, PicturePath(run, CapturePicture::kDesktop));
        run.platform.WriteBuiltInPicture(BuiltInPicture::kSky,
                                         PicturePath(run, CapturePicture::kSky));
        run.platform.WriteBuiltInPicture(BuiltInPicture::kGlow,
                                         PicturePath(run, CapturePicture::kGlow));
    }

    const HostSettings& settings = run.host.settings;
    if (settings.BgmKind == MusicKind::kCd) {
        OpenCD(run.mci);
        SetCdPoll(run, true);
    } else if (settings.BgmKind == MusicKind::kFile) {
        const std::string type = MusicFileType(settings.BgmFile);
        if (type == "WAV") {
            PlayWave(run.mci, settings.BgmFile);
        }
        if (type == "MP3") {
            PlayMP3(run.mci, settings.BgmFile);
            run.platform.SetTimerEnabled(SaverTimer::kMp3Restart, true);
        }
    }

    const std::string renderer = run.host.programFolder + "\\" + kRendererFileName;
    const HostSettings& chosen = run.host.settings;
    RendererOptions options;
    options.acrossAllMonitors = chosen.Screen == ScreenChoice::kAcrossAll;
    options.eachMonitor = chosen.Screen == ScreenChoice::kEachMonitor;
    options.aircraftShown = chosen.AircraftShown;
    options.skyFollowsClock = chosen.SkyFollowsClock;
    options.showClock = chosen.ClockShown;
    options.pictureFolder = run.folder.path;
    run.rendererStarted = run.platform.StartRenderer(renderer, RendererArguments(options));
    run.rendererStartedAt = run.platform.Milliseconds();
    run.platform.SetTimerEnabled(SaverTimer::kRendererWatch, true);
}

void Mp3RestartTick(SaverRun& run) {
    // A paused MP3 reports "paused", which the restart would take for an ended file.
    if (!run.ended && run.display == DisplayPower::kOn) {
        RepeatMP3(run.mci);
    }
}

void CdPollTick(SaverRun& run) {
    if (run.ended || run.display == DisplayPower::kOff) {
        return;
    }
    CheckCD(run.mci, run.music, run.host.settings.BgmRepeat);
    SetCdPoll(run, run.music.CdActive);
}

void RendererWatchTick(SaverRun& run) {
    if (run.ended) {
        return;
    }
    if (!run.rendererStarted) {
        EndRun(run);
        return;
    }
    if (run.platform.RendererWindowExists()) {
        if (!run.rendererWindowSeen && run.platform.AnotherWindowHasForeground()) {
            run.platform.GiveRendererTheForeground();
        }
        run.rendererWindowSeen = true;
        return;
    }
    if (run.rendererWindowSeen || !run.platform.RendererRunning()) {
        EndRun(run);
        return;
    }
    if (run.platform.Milliseconds() - run.rendererStartedAt >= kRendererWindowPatience) {
        EndRun(run);  // the renderer is left to itself
    }
}

void SaverFormQueryUnload(SaverRun& run) {
    if (run.ended) {
        return;
    }
    run.ended = true;
    if (run.cdPolling) {
        SetCdPoll(run, false);
        StopCD(run.mci);
    }
    const HostSettings& settings = run.host.settings;
    if (settings.BgmKind == MusicKind::kFile) {
        const std::string type = MusicFileType(settings.BgmFile);
        if (type == "WAV") {
            StopWave(run.mci);
        }
        if (type == "MP3") {
            run.platform.SetTimerEnabled(SaverTimer::kMp3Restart, false);
            StopMP3(run.mci);
        }
    }
    // Only a cursor this run's start hid is shown again, and exactly once: a show request, not
    // the saved count as the flag, which would hide it once more when that count was 0.
    if (run.host.cursorHidden) {
        run.platform.ShowCursor(true);
        run.host.cursorHidden = false;
    }
    if (run.sessionEnding || RendererEnded(run)) {
        RemoveRunFolder(run.files, run.folder);
    }
    run.platform.EndProgram();
}

void SaverSessionNotice(SaverRun& run, SessionNotice notice) {
    if (notice != SessionNotice::kEnding) {
        return;
    }
    if (!run.ended) {
        run.sessionEnding = true;
    }
    SaverFormQueryUnload(run);
}

void SaverDisplayPower(SaverRun& run, DisplayPower power) {
    if (run.ended || power == run.display) {
        return;
    }
    run.display = power;
    if (power == DisplayPower::kOff) {
        SleepMusic(run);
    } else {
        WakeMusic(run);
    }
}

}  // namespace altostrat
