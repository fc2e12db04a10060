// The audio CD: opened under the device's own name with track-based positions, then kept going
// by a poll every 200 ms. The poll ends for good (CdActive false) when a query fails, which is how
// a missing disc or a drive error shows, or when the current track is not a number while a repeat
// track is set: the track is compared as a number whether or not the drive is stopped, so such a
// reply ends polling even on a stopped drive.

#include <optional>

#include "host/music/music.h"
#include "host/text/number_conversion.h"

namespace altostrat {

namespace {

constexpr std::size_t kModeCapacity = 255;
constexpr std::size_t kComparedModeLength = 7;

bool HasErrorMark(std::string_view reply) {
    std::string upper(reply);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper.find("ERR") != std::string::npos;
}

}  // namespace

void OpenCD(MciSender& sender) {
    sender.SendString("open cdaudio", nullptr, 0);
    sender.SendString("set cdaudio time format tmsf", nullptr, 0);
}

void CheckCD(MciSender& sender, MusicState& state, std::int16_t bgmRepeat) {
    state.CdActive = true;
    const std::string track = MciStatus(sender, state, "status cdaudio current track");
    if (HasErrorMark(track)) {
        state.CdActive = false;
        return;
    }
    const std::string count = MciStatus(sender, state, "status cdaudio number of tracks");
    if (HasErrorMark(count)) {
        state.CdActive = false;
        return;
    }
    std::string modeReply;
    sender.SendString("status cdaudio mode", &modeReply, kModeCapacity);
    const bool stopped = modeReply.substr(0, kComparedModeLength) == "stopped";

    if (bgmRepeat != 0) {
        const std::optional<double> trackNumber = ParseNumericText(track);
        if (!trackNumber) {
            state.CdActive = false;
            return;
        }
        if (stopped || *trackNumber != bgmRepeat) {
            const std::string start = MciStatus(
                sender, state, "status cdaudio position track " + std::to_string(bgmRepeat));
            MciPlay(sender, state, "cdaudio", start, "");
        }
    } else if (stopped) {
        MciPlay(sender, state, "cdaudio", "", "");
    }
}

void StopCD(MciSender& sender) {
    sender.SendString("stop cdaudio", nullptr, 0);
    sender.SendString("close cdaudio", nullptr, 0);
}

}  // namespace altostrat
