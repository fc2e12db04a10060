#pragma once
// The background music of a saver run: an audio CD played and polled through MCI, an MP3 file
// played through MCI and restarted when it ends, or a WAV file looped by PlaySound. While the
// display is off, the CD and the MP3 are closed at their place and opened there again after
// (music_sleep.cpp); a WAV is stopped and started again.

#include <cstdint>
#include <string>
#include <string_view>

#include "host/music/mci_sender.h"

namespace altostrat {

// PlaySound's flags, as Windows publishes them; kept here so the portable code and its fake agree
// on the very numbers the Windows layer passes on.
inline constexpr std::uint32_t kSndAsync = 0x0001;
inline constexpr std::uint32_t kSndNoDefault = 0x0002;
inline constexpr std::uint32_t kSndLoop = 0x0008;
inline constexpr std::uint32_t kSndFileName = 0x00020000;

struct MusicState {
    bool CdActive = false;  // the CD is being polled
    std::string MciResult;  // the reply text of the last status query
    // Where the CD or the MP3 was closed while the display slept, as MCI gave it; "" when not
    // closed, or not known (it then plays from the top).
    std::string PlaceAtSleep;
};

// Sends COMMAND with a reply buffer of 512 characters; REPLY_TEXT gets the reply or, on failure,
// the error text. The empty command gives -1.
std::int32_t MciCommand(MciSender& sender, std::string_view command, std::string& replyText);
// Sends a status query and keeps its reply in STATE.MciResult; gives that reply.
std::string MciStatus(MciSender& sender, MusicState& state, std::string_view command);
// "play DEVICE [from FROM] [to TO]".
std::int32_t MciPlay(MciSender& sender, MusicState& state, std::string_view device,
                     std::string_view from, std::string_view to);

void OpenCD(MciSender& sender);
// One poll of the playing CD; BGM_REPEAT is the track to loop, 0 for the whole disc.
void CheckCD(MciSender& sender, MusicState& state, std::int16_t bgmRepeat);
void StopCD(MciSender& sender);
// The display went off: the CD's place is kept, and the device stopped and closed. It came back:
// the device is opened again (as OpenCD does), set to that place, and played.
void SleepCD(MciSender& sender, MusicState& state);
void WakeCD(MciSender& sender, MusicState& state);

// Opens the file under the alias MP3Play; true when MCI opened it.
bool OpenMP3(MciSender& sender, std::string_view bgmFile);
void PlayMP3(MciSender& sender, std::string_view bgmFile);
bool IsMP3Playing(MciSender& sender);
void RepeatMP3(MciSender& sender);
void StopMP3(MciSender& sender);
// The same as SleepCD and WakeCD for the MP3, its place in milliseconds.
void SleepMP3(MciSender& sender, MusicState& state);
void WakeMP3(MciSender& sender, MusicState& state, std::string_view bgmFile);

void PlayWave(MciSender& sender, std::string_view bgmFile);
void StopWave(MciSender& sender);

}  // namespace altostrat
