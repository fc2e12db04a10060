// A music file: an MP3 opened through MCI under the alias MP3Play and restarted whenever it is
// not playing, or a WAV file looped by the system's sound player. The WAV is named as a file
// (never looked up as a sound alias) and without the default-sound fallback: a missing or
// unreadable file plays nothing rather than the system's default sound for the whole run.

#include "host/music/music.h"

namespace altostrat {

namespace {

constexpr std::size_t kModeCapacity = 30;
constexpr std::size_t kComparedModeLength = 7;

}  // namespace

bool OpenMP3(MciSender& sender, std::string_view bgmFile) {
    std::string open = "open \"";
    open += bgmFile;
    open += "\" type MPEGVideo Alias MP3Play";
    return sender.SendString(open, nullptr, 0) == 0;
}

void PlayMP3(MciSender& sender, std::string_view bgmFile) {
    if (OpenMP3(sender, bgmFile)) {
        sender.SendString("play MP3Play", nullptr, 0);
    }
}

bool IsMP3Playing(MciSender& sender) {
    std::string mode;
    sender.SendString("status MP3Play mode", &mode, kModeCapacity);
    return mode.substr(0, kComparedModeLength) == "playing";
}

void RepeatMP3(MciSender& sender) {
    if (!IsMP3Playing(sender)) {
        sender.SendString("stop MP3Play", nullptr, 0);
        sender.SendString("play MP3Play from 0", nullptr, 0);
    }
}

void StopMP3(MciSender& sender) {
    sender.SendString("stop MP3Play", nullptr, 0);
    sender.SendString("close MP3Play", nullptr, 0);
}

void PlayWave(MciSender& sender, std::string_view bgmFile) {
    if (sender.WaveDeviceCount() > 0) {
        sender.PlaySound(bgmFile, kSndAsync | kSndLoop | kSndNoDefault | kSndFileName);
    }
}

void StopWave(MciSender& sender) {
    sender.PlaySound("", 0);
}

}  // namespace altostrat
