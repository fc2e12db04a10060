// The music while the display sleeps. An open audio stream makes Windows hold a power request
// ("An audio stream is currently in use") that keeps the computer from going to sleep, and a
// paused MCI device keeps its stream open: so the device is closed, not paused, and its place
// remembered. When the display comes back the device is opened again, set to that place and
// played. A place is taken only as MCI gives one (digits, and colons between the parts of a CD's
// track, minute, second and frame): anything else, an error text among it, starts from the top.

#include "host/music/music.h"

namespace altostrat {

namespace {

constexpr std::size_t kLongestPlace = 16;

std::string PlaceOf(std::string_view reply) {
    if (reply.empty() || reply.size() > kLongestPlace) {
        return {};
    }
    for (const char c : reply) {
        if ((c < '0' || c > '9') && c != ':') {
            return {};
        }
    }
    return std::string(reply);
}

// Keeps the device's place, before it is stopped and closed.
void KeepPlace(MciSender& sender, MusicState& state, const std::string& device) {
    state.PlaceAtSleep = PlaceOf(MciStatus(sender, state, "status " + device + " position"));
}

// Goes to the remembered place of the open device and plays on from there.
void PlayFromPlace(MciSender& sender, MusicState& state, const std::string& device) {
    if (!state.PlaceAtSleep.empty()) {
        sender.SendString("seek " + device + " to " + state.PlaceAtSleep, nullptr, 0);
    }
    sender.SendString("play " + device, nullptr, 0);
    state.PlaceAtSleep.clear();
}

const std::string kCd = "cdaudio";
const std::string kMp3 = "MP3Play";
constexpr char kMilliseconds[] = "set MP3Play time format milliseconds";

}  // namespace

void SleepCD(MciSender& sender, MusicState& state) {
    KeepPlace(sender, state, kCd);
    StopCD(sender);
}

void WakeCD(MciSender& sender, MusicState& state) {
    OpenCD(sender);
    PlayFromPlace(sender, state, kCd);
}

void SleepMP3(MciSender& sender, MusicState& state) {
    sender.SendString(kMilliseconds, nullptr, 0);
    KeepPlace(sender, state, kMp3);
    StopMP3(sender);
}

void WakeMP3(MciSender& sender, MusicState& state, std::string_view bgmFile) {
    if (OpenMP3(sender, bgmFile)) {
        sender.SendString(kMilliseconds, nullptr, 0);
        PlayFromPlace(sender, state, kMp3);
    }
}

}  // namespace altostrat
